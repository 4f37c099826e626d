#include "ligne_donnees.h"
#include "reports/adif_sortie.h"
#include "reports/ascii.h"
#include "reports/cabrillo.h"
#include "reports/colonnes_fixes.h"
#include "reports/conversions.h"
#include "reports/noms_rapports.h"
#include "reports/rapport_texte.h"

#include "base/dates.h"
#include "base/fichier_texte.h"
#include "log/cellules_qso.h"
#include "log/etat.h"
#include "refdata/membres.h"
#include "rules/bandes.h"

#include <QTest>

using namespace vorek;

// The line formats, one field or one line at a time, without files.
class TestFormats : public QObject {
    Q_OBJECT

  private slots:
    // Fixed-width fields, dates and times as each format writes them.
    void champs_fixes_data();
    void champs_fixes();
    void noms_des_fichiers_data();
    void noms_des_fichiers();
    void ligne_cabrillo_data();
    void ligne_cabrillo();
    void frequences_cabrillo();
    void ligne_ascii_data();
    void ligne_ascii();
    void numero_membre_adif_data();
    void numero_membre_adif();
    void champ_adif_compte_les_caracteres_du_fichier();
    void ligne_listing_garde_ses_colonnes();
};

void TestFormats::champs_fixes_data() {
    QTest::addColumn<QString>("obtenu");
    QTest::addColumn<QString>("attendu");
    const auto gauche = [](const char* texte, int largeur) {
        return formater({QString::fromUtf8(texte), largeur});
    };
    // The text report's right-aligned columns: four characters and a blank.
    const auto droite = [](const char* texte) {
        return formater({QString::fromUtf8(texte), 4, Alignement::droite, 1});
    };
    ligne_donnees("gauche complete", gauche("Bande", 6), "Bande ");
    ligne_donnees("gauche coupe", gauche(" Heure", 5), " Heur");
    ligne_donnees("gauche vide", gauche("", 3), "   ");
    ligne_donnees("droite 160m", droite("160m"), "160m ");
    ligne_donnees("droite 70cm", droite("70cm"), "70cm ");
    ligne_donnees("droite 6m", droite("6m"), "  6m ");
    ligne_donnees("droite numero etoile", droite("1234*"), "234* ");
    ligne_donnees("droite vide", droite(""), "     ");
    ligne_donnees("cabrillo 4 chiffres", date_cabrillo(QStringLiteral("01/07/2024")), "2024-07-01");
    ligne_donnees("cabrillo 2 chiffres", date_cabrillo(QStringLiteral("01/07/24")), "2024-07-01");
    ligne_donnees("ascii 2 chiffres", date_aaaammjj(QStringLiteral("31/08/25")), "20250831");
    ligne_donnees("adif 4 chiffres", date_adif(QStringLiteral("31/08/2025")), "20250831");
    ligne_donnees("adif 2 chiffres", date_adif(QStringLiteral("31/08/25")), "20250831");
    ligne_donnees("adif vide", date_adif(QString()), "");
    ligne_donnees("heure cabrillo", heure_cabrillo(QStringLiteral("14:05")), "1405");
    ligne_donnees("heure adif", heure_adif(QStringLiteral("14:05")), "1405");
    ligne_donnees("heure adif courte", heure_adif(QStringLiteral("9")), "9");
    ligne_donnees("annee", annee_courante(QDate(2025, 3, 15)), "2025");
}

void TestFormats::champs_fixes() {
    QFETCH(QString, obtenu);
    QFETCH(QString, attendu);
    QCOMPARE(obtenu, attendu);
}

void TestFormats::noms_des_fichiers_data() {
    QTest::addColumn<QString>("courant");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("txt");
    QTest::addColumn<QString>("asc");
    QTest::addColumn<QString>("message");
    ligne_donnees("chemin complet", "/d/Fichiers_challenge/ETE.VRK",
                  "/d/Fichiers_challenge/ETE.LOG", "/d/Fichiers_challenge/ETE.TXT",
                  "/d/Fichiers_challenge/ETE.ASC",
                  "Fichier ASCII  /D/FICHIERS_CHALLENGE/ETE.ASC créé sur "
                  "le répertoire courant");
    ligne_donnees("minuscules", "/d/ete.vrk", "/d/ete.LOG", "/d/ete.TXT", "/d/ete.ASC",
                  "Fichier ASCII  /D/ETE.ASC créé sur le répertoire courant");
    ligne_donnees("nom nu", "ete.VRK", "/p/Fichiers_challenge/ete.LOG",
                  "/p/Fichiers_challenge/ete.TXT", "/p/Fichiers_challenge/ete.ASC",
                  "Fichier ASCII  ETE.ASC créé sur le répertoire courant");
    ligne_donnees("point dans un dossier", "/d/v1.vrk/ete.Vrk", "/d/v1.vrk/ete.LOG",
                  "/d/v1.vrk/ete.TXT", "/d/v1.vrk/ete.ASC",
                  "Fichier ASCII  /D/V1.VRK/ETE.ASC créé sur le "
                  "répertoire courant");
    ligne_donnees("autre extension", "/d/ete.txt", "/d/ete.LOG", "/d/ete.TXT", "/d/ete.ASC",
                  "Fichier ASCII  /D/ETE.ASC créé sur le répertoire courant");
    ligne_donnees("sans extension", "/d.x/ete", "/d.x/ete.LOG", "/d.x/ete.TXT", "/d.x/ete.ASC",
                  "Fichier ASCII  /D.X/ETE.ASC créé sur le répertoire courant");
}

void TestFormats::noms_des_fichiers() {
    QFETCH(QString, courant);
    Etat etat;
    etat.fixer_rep_programme(QStringLiteral("/p"));
    etat.fichier_courant = courant;
    QTEST(chemin_cabrillo(etat), "log");
    QTEST(chemin_rapport_texte(etat), "txt");
    QTEST(chemin_ascii(etat), "asc");
    QTEST(message_ascii(etat), "message");
    QCOMPARE(chemin_adif_rapport(etat),
             avec_extension(chemin_cabrillo(etat), QStringLiteral(".ADI")));
    QCOMPARE(chemin_export_adif(etat, QStringLiteral("/ailleurs/mon.adi")),
             QStringLiteral("/p/Fichiers_challenge/mon.adi"));
}

void TestFormats::ligne_cabrillo_data() {
    QTest::addColumn<QStringList>("cellules");
    QTest::addColumn<QString>("attendu");
    ligne_donnees("reports ignores, nm station",
                  QStringList{"31/08/2025", "23:59", "K1ZZ", "20m", "449", "339", "789", "3"},
                  "QSO: 14000 CW 2025-08-31 2359 F6ABC         599 NM   K1ZZ          599 789  ");
    ligne_donnees("bande en capitales", QStringList{"01/07/2025", "00:01", "K1ZZ", "SAT"},
                  "QSO: CW 2025-07-01 0001 F6ABC         599 NM   K1ZZ"
                  "          599      ");
    ligne_donnees("numero long", QStringList{"01/07/2025", "00:01", "K1ZZ", "6m", "", "", "12345"},
                  "QSO:    50 CW 2025-07-01 0001 F6ABC         599 NM   K1ZZ"
                  "          599 1234 ");
}

void TestFormats::ligne_cabrillo() {
    QFETCH(QStringList, cellules);
    QTEST(ligne_qso_cabrillo(CellulesQSO::du_texte(cellules), QStringLiteral("F6ABC"),
                             QStringLiteral("NM")),
          "attendu");
}

// The band list of the entry, in its order, each with its Cabrillo frequency field (the
// five characters after "QSO: ", "-" where the line has none).
void TestFormats::frequences_cabrillo() {
    const QList<std::pair<QString, QString>> attendues{
        {"160m", " 1800"}, {"80m", " 3500"}, {"60m", " 5000"},  {"40m", " 7000"},  {"30m", "10000"},
        {"20m", "14000"},  {"17m", "18000"}, {"15m", "21000"},  {"12m", "24000"},  {"10m", "28000"},
        {"6m", "   50"},   {"2m", "  144"},  {"70cm", "  420"}, {"23cm", " 1240"}, {"sat", "  SAT"},
    };
    const auto frequence_cabrillo = [](const QString& bande) {
        const QString ligne = ligne_qso_cabrillo(
            CellulesQSO::du_texte({QStringLiteral("01/07/2025"), QStringLiteral("00:01"),
                                   QStringLiteral("K1ZZ"), bande}),
            QStringLiteral("F6ABC"), QStringLiteral("NM"));
        return ligne.mid(5, 3) == QStringLiteral("CW ") ? QStringLiteral("-") : ligne.mid(5, 5);
    };
    QList<std::pair<QString, QString>> obtenues;
    for (const QString& bande : bandes()) {
        obtenues.append({bande, frequence_cabrillo(bande)});
    }
    QCOMPARE(obtenues, attendues);
    QCOMPARE(frequence_cabrillo(QStringLiteral("13cm")), QStringLiteral("-"));
}

void TestFormats::ligne_ascii_data() {
    QTest::addColumn<QStringList>("cellules");
    QTest::addColumn<QString>("attendu");
    ligne_donnees("heure longue coupee",
                  QStringList{"01/07/2025", "14:05:33", "K1ZZ", "20m", "599", "599", "789"},
                  "K1ZZ        20250701 14:05  20m 599 599 ZTC  789  CW");
    ligne_donnees("annee courte", QStringList{"01/07/25", "14:05", "K1ZZ", "20m", "5", "5", "NM"},
                  "K1ZZ        20250701 14:05  20m 5   5   NM        CW");
    ligne_donnees("nm en minuscules n'est pas nm",
                  QStringList{"01/07/2025", "14:05", "K1ZZ", "20m", "5", "5", "nm"},
                  "K1ZZ        20250701 14:05  20m 5   5   ZTC  nm   CW");
}

void TestFormats::ligne_ascii() {
    QFETCH(QStringList, cellules);
    const QString ligne = vorek::ligne_ascii(CellulesQSO::du_texte(cellules));
    QTEST(ligne, "attendu");
    QCOMPARE(ligne.size(), 52);
}

void TestFormats::numero_membre_adif_data() {
    QTest::addColumn<QString>("cellule");
    QTest::addColumn<bool>("base_trouvee");
    QTest::addColumn<QString>("numero_base");
    // The APP_LOGGER32_USER_1 value of each writer, "-" when the field is left out.
    QTest::addColumn<QString>("rapport");
    QTest::addColumn<QString>("export_adif");
    // Without the database: the row's own number.
    ligne_donnees("sans base, numero", "1001", false, "NM", "1001", "1001");
    ligne_donnees("sans base, etoiles", "12*34*", false, "NM", "1234", "12*34*");
    ligne_donnees("sans base, blancs", " 56* ", false, "NM", "56", " 56* ");
    ligne_donnees("sans base, non membre", "NM", false, "NM", "-", "NM");
    ligne_donnees("sans base, non membre marque", "NM*", false, "NM", "-", "NM*");
    ligne_donnees("sans base, vide", "", false, "NM", "-", "-");
    ligne_donnees("sans base, etoile seule", "*", false, "NM", "-", "-");
    // With it, as always: the database's number in the report, column 6 in the export.
    ligne_donnees("base, autre numero", "1234*", true, "1200", "1200", "1234*");
    ligne_donnees("base, non membre", "555", true, "NM", "-", "555");
    ligne_donnees("base, membre sans numero", "", true, "", "", "-");
}

void TestFormats::numero_membre_adif() {
    QFETCH(QString, cellule);
    QFETCH(bool, base_trouvee);
    QFETCH(QString, numero_base);
    const CellulesQSO cellules = CellulesQSO::du_texte(
        {"10/07/2024", "10:00", "F5ABC", "20m", "599", "599", cellule, "3", "", ""});
    const ResultatMembre membre{numero_base, QString(), base_trouvee};
    Etat etat;
    const auto champ = [](const QString& valeur) {
        return valeur == QStringLiteral("-")
                   ? QString()
                   : champ_adif(QStringLiteral("APP_LOGGER32_USER_1"), valeur) + QLatin1Char(' ');
    };
    QFETCH(QString, rapport);
    QFETCH(QString, export_adif);
    QVERIFY(ligne_adif_rapport(cellules, etat.station, membre)
                .endsWith("<RST_RCVD:3>599 " + champ(rapport) + "<EOR>"));
    QVERIFY(ligne_export_adif(cellules, etat, membre)
                .endsWith(champ_adif(QStringLiteral("SRX"), cellule) + QLatin1Char(' ') +
                          champ(export_adif) + "<EOR>"));
}

void TestFormats::champ_adif_compte_les_caracteres_du_fichier() {
    QCOMPARE(champ_adif(QStringLiteral("NAME"), QStringLiteral("Hélène")),
             QStringLiteral("<NAME:6>Hélène"));
    QCOMPARE(champ_adif(QStringLiteral("MY_NAME"), QString()), QStringLiteral("<MY_NAME:0>"));
    QCOMPARE(vers_cp1252(champ_adif(QStringLiteral("NAME"), QStringLiteral("é"))),
             QByteArray("<NAME:1>\xE9"));
}

void TestFormats::ligne_listing_garde_ses_colonnes() {
    const QString ligne = ligne_listing(CellulesQSO::du_texte(
        {"01/07/2024", "14:05", "F5ABC/P", "6m", "599", "599", "1234*", "12", "J", "x"}));
    QCOMPARE(ligne, QStringLiteral("01/07/202414:05  6m F5ABC/P     599  599234*   12 J         "
                                   "          x                        "));
    QCOMPARE(ligne.size(), 95);
    QCOMPARE(ligne_listing({}).size(), 95);
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
