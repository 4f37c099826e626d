#include "cabrillo.h"

#include "colonnes_fixes.h"
#include "conversions.h"
#include "noms_rapports.h"

#include "log/etat.h"
#include "rules/bandes.h"

namespace vorek {

namespace {

constexpr qsizetype colonne_frequence = 1;

// Every field of a "QSO:" line is followed by one blank.
ColonneFixe champ_qso(const QString& texte, int largeur,
                      Alignement alignement = Alignement::gauche) {
    return {texte, largeur, alignement, 1};
}

QString sans_premiere_etoile(QString numero) {
    const qsizetype etoile = numero.indexOf(QLatin1Char('*'));
    if (etoile >= 0) {
        numero.remove(etoile, 1);
    }
    return numero;
}

QStringList entete_cabrillo(const Station& station) {
    const QString club =
        station.station_nr_club == QStringLiteral("NM") ? QString() : QStringLiteral("ZTC");
    return {
        QStringLiteral("START-OF-LOG: 3.0"),
        QStringLiteral("CREATED-BY: CHALLENGE_VOREK V ") + version_programme(),
        QStringLiteral("CONTEST: CHALLENGE VOREK"),
        QStringLiteral("CALLSIGN: ") + station.station_call,
        QStringLiteral("CATEGORY-MODE: CW"),
        QStringLiteral("CATEGORY-OPERATOR:"),
        QStringLiteral("CATEGORY-POWER: "),
        QStringLiteral("CATEGORY-TRANSMITTER:"),
        QStringLiteral("CATEGORY-OVERLAY:"),
        QStringLiteral("CLUB: ") + club,
        QStringLiteral("NAME: ") + station.station_nom(),
        QStringLiteral("ADDRESS: ") + station.station_adresse1,
        QStringLiteral("ADDRESS: ") + station.station_adresse2,
        QStringLiteral("SOAPBOX: CLub nr : ") + station.station_nr_club,
        QString(),
    };
}

} // namespace

QString ligne_qso_cabrillo(const QStringList& cellules, const QString& station_call,
                           const QString& station_nr_club) {
    const std::optional<QString> frequence = frequence_rapport(cellules.value(col_bande));
    QList<ColonneFixe> colonnes{
        champ_qso(QStringLiteral("QSO:"), 4),
        champ_qso(frequence.value_or(QString()), 5, Alignement::droite),
        champ_qso(QStringLiteral("CW"), 2),
        champ_qso(date_cabrillo(cellules.value(col_date)), 10),
        champ_qso(heure_cabrillo(cellules.value(col_heure)), 4),
        champ_qso(station_call, 13),
        champ_qso(QStringLiteral("599"), 3),
        champ_qso(station_nr_club, 4),
        champ_qso(cellules.value(col_indicatif), 13),
        champ_qso(QStringLiteral("599"), 3),
        champ_qso(sans_premiere_etoile(cellules.value(col_ztc)), 4),
    };
    // A band without frequency leaves out the field and its blank.
    if (!frequence) {
        colonnes.removeAt(colonne_frequence);
    }
    return formater_ligne(colonnes);
}

QStringList lignes_cabrillo(const Etat& etat) {
    const Station& station = etat.station;
    QStringList lignes = entete_cabrillo(station);
    for (int ligne = 1; ligne < etat.table.nb_lignes(); ++ligne) {
        const QStringList cellules = etat.table.ligne(ligne);
        if (!cellules.value(col_indicatif).isEmpty()) {
            lignes.append(
                ligne_qso_cabrillo(cellules, station.station_call, station.station_nr_club));
        }
    }
    lignes.append(QStringLiteral("END-OF-LOG:"));
    return lignes;
}

QString ecrire_cabrillo(Etat& etat) {
    etat.fichier_joint = chemin_cabrillo(etat);
    ecrire_rapport(etat, etat.fichier_joint, lignes_cabrillo(etat));
    return etat.fichier_joint;
}

} // namespace vorek
