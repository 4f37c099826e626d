#include "journal_essai.h"

#include "base/fichier_texte.h"
#include "base/horloge.h"
#include "programme_essai.h"

#include <QFile>

using namespace vorek;

JournalEssai::JournalEssai() {
    preparer_programme(etat, dossier.path(), aujourdhui());
    etat.fichier_courant = etat.rep_challenge + QStringLiteral("/ete.VRK");
}

void JournalEssai::remplir_petit() {
    etat.station.station_call = QStringLiteral("F4XYZ");
    // The name field as typed: the reports that print it so keep its blank.
    etat.station.nom_saisi = QStringLiteral("Jean Dupont ");
    etat.station.station_adresse1 = QStringLiteral("12 rue des Lilas");
    etat.station.station_adresse2 = QStringLiteral("75001 PARIS");
    etat.station.station_nr_club = QStringLiteral("NM");
    etat.station.station_continent = QStringLiteral("EU");
    const QString s = QStringLiteral("599");
    remplir_journal(
        etat,
        {
            {"01/07/2024", "00:05", "F5AAA", "160m", s, s, "1001", "6", "Albert", ""},
            {"01/07/2024", "01:10", "F6BBB", "80m", "579", "449", "1234*", "5", "B", "Tnx QSO"},
            {"01/07/24", "02:20", "F8CCC/P", "60m", s, s, "12*34*", "5", "Claude", ""},
            {},
            {"02/07/2024", "03:30", "DL1DDD", "40m", s, s, "NM", "0", "Dieter",
             QStringLiteral(" NM car non à jour")},
            {"02/07/2024", "04:45", "EA8/F5ABCDEF/P", "30m", s, s, "1005", "5", "Eric", ""},
            {"03/07/2024", "05:00", "G3EEE", "20m", s, s, "1006", "3", "Edward", ""},
            {"03/07/2024", "06:15", "I2FFF", "17m", s, s, "", "3", "Franco", ""},
            {"04/07/2024", "07:00", "ON4GGG", "15m", s, s, "1008", "3", "Guy", ""},
            {"04/07/2024", "08:30", "HB9HHH", "12m", s, s, "1009", "3", "Hans", ""},
            {"05/07/2024", "09:00", "OE1III", "10m", s, s, "1010", "3", "Ingo", ""},
            {"05/07/2024", "10:00", "F5JJJ", "6m", s, s, "1011", "8",
             "Jean-Baptiste Dupont-Moretti", ""},
            {"06/07/2024", "11:00", "F5KKK", "2m", s, s, "1012", "10", "Karine", ""},
            {"06/07/2024", "12:00", "F5LLL", "70cm", s, s, "1013", "15", "Louis", ""},
            {"07/07/2024", "13:00", "F5MMM", "23cm", s, s, "1014", "15", "Marc", ""},
            {"07/07/2024", "14:00", "F5NNN", "sat", s, s, "1015", "15", "Nadine", ""},
            {"08/07/2024", "15:00", "F5OOO", "SAT", s, s, "1016", "0", "Olivier", ""},
            {"08/07/2024", "16:00", "F8ZTC", "13cm", s, s, "1000", "0", "Club",
             "Station du club, notes longues"},
        });
}

void JournalEssai::remplir_vide() {
    etat.station.station_call = QStringLiteral("F6ABC");
    etat.station.nom_saisi = QStringLiteral("Paul Martin");
    etat.station.station_adresse1 = QStringLiteral("3 place de la Gare");
    etat.station.station_adresse2 = QStringLiteral("69002 LYON");
    etat.station.station_nr_club = QStringLiteral("1234");
    etat.station.station_continent = QStringLiteral("EU");
    remplir_journal(etat, {});
}

void JournalEssai::ecrire_membres() const {
    ecrire_lignes(etat.rep_BD + QStringLiteral("/ZTC_mini_2021.csv"),
                  {
                      QStringLiteral("F5AAA,1001,Albert,x"),
                      QStringLiteral("F6BBB,1200,Bernard,x"),
                      QStringLiteral("F8CCC,1234,Claude,x"),
                      QStringLiteral("F5ABCDEF,1005,Eric,x"),
                      QStringLiteral("G3EEE,1006,Edward,x"),
                      QStringLiteral("I2FFF,1007,Franco,x"),
                      QStringLiteral("ON4GGG,1008,Guy,x"),
                      QStringLiteral("HB9HHH,1009,Hans,x"),
                      QStringLiteral("OE1III,1010,Ingo,x"),
                      QStringLiteral("F5JJJ,1011,Jean,x"),
                      QStringLiteral("F5KKK,1012,Karine,x"),
                      QStringLiteral("F5LLL,1013,Louis,x"),
                      QStringLiteral("F5MMM,1014,Marc,x"),
                      QStringLiteral("F5NNN,1015,Nadine,x"),
                      QStringLiteral("F5OOO,1016,Olivier,x"),
                      QStringLiteral("F8ZTC,1000,Club,x"),
                  });
}

QString JournalEssai::chemin_travail(const QString& nom) const {
    return etat.rep_challenge + QLatin1Char('/') + nom;
}

QStringList lignes_attendues(const QString& nom) {
    QFile fichier(QStringLiteral(VOREK_RACINE_PROJET "/tests/reports/attendus/") + nom);
    if (!fichier.open(QIODevice::ReadOnly)) {
        qFatal("attendu illisible");
    }
    QString texte = QString::fromUtf8(fichier.readAll());
    const QString version = version_programme();
    texte.replace(QStringLiteral("${LONGUEUR_VERSION}"), QString::number(version.size()));
    texte.replace(QStringLiteral("${VERSION}"), version);
    QStringList lignes = texte.split(QLatin1Char('\n'));
    lignes.removeLast();
    for (QString& ligne : lignes) {
        if (!ligne.endsWith(QLatin1Char('|'))) {
            qFatal("ligne attendue sans fin marquee");
        }
        ligne.chop(1);
    }
    return lignes;
}

QByteArray octets_de(const QStringList& lignes) {
    QByteArray octets;
    for (const QString& ligne : lignes) {
        octets += vers_cp1252(ligne) + "\r\n";
    }
    return octets;
}

QByteArray octets_attendus(const QString& nom) {
    return octets_de(lignes_attendues(nom));
}
