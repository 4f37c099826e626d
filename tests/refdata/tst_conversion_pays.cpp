#include "base/fichier_texte.h"
#include "ligne_donnees.h"
#include "octets_fichier.h"
#include "refdata/conversion_pays.h"
#include "refdata/liste_entites.h"
#include "refdata/pays.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;

namespace {

const QString fichier_reel = QStringLiteral(VOREK_DONNEES_TEST "/cty_wt_mod.dat");

QStringList entete() {
    return {QStringLiteral("# un"), QStringLiteral("# deux"), QStringLiteral("# trois"),
            QStringLiteral("# quatre")};
}

QStringList lignes_alpha(const QString& prefixes,
                         const QString& primaire = QStringLiteral("*AL1")) {
    return {QStringLiteral("# ADIF 999"),
            QStringLiteral("Alpha Land:   14:  27:  EU:   50.00:   -10.00:    -1.0:  ") + primaire +
                QLatin1Char(':'),
            QStringLiteral("    ") + prefixes};
}

} // namespace

class TestConversionPays : public QObject {
    Q_OBJECT

  private slots:
    void records_data();
    void records();
    void primaire_repete();
    void fichiers_refuses_data();
    void fichiers_refuses();
    void refus_garde_la_liste_data();
    void refus_garde_la_liste();
    void entrees_illisibles_sans_plantage();
    void fichier_reel();
    void fichier_reel_resolution_data();
    void fichier_reel_resolution();
    void telechargement_puis_secours();
    void rien_sans_fichier_pays();
    void entites_du_dxcc_a_cote();
};

void TestConversionPays::records_data() {
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QStringList>("entites");
    const QStringList al1{QStringLiteral("AL1")};
    ligne_donnees("exemple", lignes_alpha(QStringLiteral("AL1,AL2(15)[28],=AL1XYZ;")),
                  QStringList{QStringLiteral("AL1,Alpha Land,AL1,EU,999"),
                              QStringLiteral("AL2,Alpha Land,AL1,EU,999")},
                  al1);
    ligne_donnees("zone seule et entree vide", lignes_alpha(QStringLiteral("(14),,AL2[8];")),
                  QStringList{QStringLiteral("AL1,Alpha Land,AL1,EU,999"),
                              QStringLiteral("AL1,Alpha Land,AL1,EU,999"),
                              QStringLiteral("AL2,Alpha Land,AL1,EU,999")},
                  al1);
    ligne_donnees("virgule dans le nom",
                  QStringList{QStringLiteral("# ADIF 7"),
                              QStringLiteral("Nova, Europa: 1: 2: AF: 0: 0: 0: FT/j:"),
                              QStringLiteral("  FT0J;")},
                  QStringList{QStringLiteral("FT0J,Nova; Europa,FT/j,AF,7")},
                  QStringList{QStringLiteral("FT/j")});
    ligne_donnees("chevrons gardes", lignes_alpha(QStringLiteral("AL2<10/20>;")),
                  QStringList{QStringLiteral("AL2<10/20>,Alpha Land,AL1,EU,999")}, al1);
    ligne_donnees("seulement des =", lignes_alpha(QStringLiteral("=AL1A,=AL1B(5);")), QStringList(),
                  QStringList());
    ligne_donnees("sur plusieurs lignes avec commentaires",
                  (lignes_alpha(QStringLiteral("AL1,"))
                   << QStringLiteral("# Nord; ile, ADIF 12") << QStringLiteral("    AL3,")
                   << QStringLiteral("  # Sud") << QStringLiteral("    AL4;")),
                  QStringList{QStringLiteral("AL1,Alpha Land,AL1,EU,999"),
                              QStringLiteral("AL3,Alpha Land,AL1,EU,999"),
                              QStringLiteral("AL4,Alpha Land,AL1,EU,999")},
                  al1);
    ligne_donnees("record inacheve ignore",
                  (lignes_alpha(QStringLiteral("AL1;"))
                   << QStringLiteral("# ADIF 5") << QStringLiteral("Beta: 1: 2: AF: 0: 0: 0: BE:")
                   << QStringLiteral("  BE1,BE2")),
                  QStringList{QStringLiteral("AL1,Alpha Land,AL1,EU,999")}, al1);
}

void TestConversionPays::records() {
    QFETCH(QStringList, record);
    QFETCH(QStringList, lignes);
    QFETCH(QStringList, entites);
    const ConversionPays resultat = convertir_lignes_pays(entete() + record);
    QCOMPARE(resultat.lignes_dxcc, lignes);
    QCOMPARE(resultat.entites, entites);
}

void TestConversionPays::primaire_repete() {
    QStringList lignes = entete();
    lignes << lignes_alpha(QStringLiteral("AL1;")) << lignes_alpha(QStringLiteral("AL2;"))
           << lignes_alpha(QStringLiteral("BE1;"), QStringLiteral("BE1"))
           << lignes_alpha(QStringLiteral("AL3;"));
    QCOMPARE(convertir_lignes_pays(lignes).entites,
             (QStringList{QStringLiteral("AL1"), QStringLiteral("BE1"), QStringLiteral("AL1")}));
}

void TestConversionPays::fichiers_refuses_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QString>("refus");
    const QString aucune = QStringLiteral("aucune entité DXCC n'y a été trouvée");
    const QString long64(64, QLatin1Char('n'));
    const QString long65(65, QLatin1Char('n'));
    const QString fin_ligne7 =
        QStringLiteral("l'entité qui finit à la ligne 7 a un champ de plus de 64 caractères");
    ligne_donnees("page HTML",
                  QStringList{QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"),
                              QStringLiteral("<head>"), QStringLiteral("<title>Portail</title>"),
                              QStringLiteral("<style>p { color: red; margin: 0; }</style>"),
                              QStringLiteral("</head><body><p>Connexion, requise&nbsp;: ici</p>"),
                              QStringLiteral("</body></html>")},
                  aucune);
    ligne_donnees("sans point-virgule",
                  entete() + QStringList{QStringLiteral("# ADIF 999"),
                                         QStringLiteral("Alpha: 1: 2: EU: 0: 0: 0: AL1:"),
                                         QStringLiteral("AL1,AL2")},
                  aucune);
    ligne_donnees("continent inconnu",
                  entete() + lignes_alpha(QStringLiteral("AL1;"))
                                 .replaceInStrings(QStringLiteral(" EU:"), QStringLiteral(" XX:")),
                  aucune);
    ligne_donnees("seulement des indicatifs exacts",
                  entete() + lignes_alpha(QStringLiteral("=AL1A;")), aucune);
    ligne_donnees("nom de 64 caracteres",
                  entete() + lignes_alpha(QStringLiteral("AL1;"))
                                 .replaceInStrings(QStringLiteral("Alpha Land"), long64),
                  QString());
    ligne_donnees("nom de 65 caracteres",
                  entete() + lignes_alpha(QStringLiteral("AL1;"))
                                 .replaceInStrings(QStringLiteral("Alpha Land"), long65),
                  fin_ligne7);
    ligne_donnees("entree trop longue", entete() + lignes_alpha(long65 + QLatin1Char(';')),
                  fin_ligne7);
    ligne_donnees(
        "code ADIF trop long",
        entete() +
            lignes_alpha(QStringLiteral("AL1;")).replaceInStrings(QStringLiteral("999"), long65),
        fin_ligne7);
}

void TestConversionPays::fichiers_refuses() {
    QFETCH(QStringList, lignes);
    QFETCH(QString, refus);
    const ConversionPays resultat = convertir_lignes_pays(lignes);
    QCOMPARE(resultat.refus, refus);
    QCOMPARE(resultat.lignes_dxcc.isEmpty(), !refus.isEmpty());
    QCOMPARE(resultat.entites.isEmpty(), !refus.isEmpty());
}

void TestConversionPays::refus_garde_la_liste_data() {
    QTest::addColumn<bool>("liste_presente");
    QTest::addColumn<bool>("secours_present");
    QTest::newRow("liste presente") << true << true;
    QTest::newRow("sans liste, le fichier livre") << false << true;
    QTest::newRow("ni liste ni fichier livre") << false << false;
}

void TestConversionPays::refus_garde_la_liste() {
    QFETCH(bool, liste_presente);
    QFETCH(bool, secours_present);
    QTemporaryDir dossier;
    const QString pays = dossier.filePath(QStringLiteral("cty_wt.dat"));
    const QString liste = dossier.filePath(QStringLiteral("DXCC.CSV"));
    const QString secours = dossier.filePath(QStringLiteral("secours.dat"));
    ecrire_octets(pays, "<html>\r\n<body>Portail; connexion requise</body>\r\n</html>\r\n");
    const QByteArray ancienne = "F,France,F,EU,227\r\nDL,Germany,DL,EU,230\r\n";
    if (liste_presente) {
        ecrire_octets(liste, ancienne);
    }
    if (secours_present) {
        ecrire_lignes(secours, entete() + lignes_alpha(QStringLiteral("AL1;")));
    }
    const ResultatConversion r = convertir_fichier_pays(dossier.path(), {}, secours);
    QString attendu = QStringLiteral("Le fichier des pays ") + pays +
                      QStringLiteral(" est refusé : aucune entité DXCC n'y a été trouvée.");
    if (liste_presente) {
        attendu += QStringLiteral("\rLa liste DXCC actuelle est conservée.");
        QCOMPARE(lire_octets(liste), ancienne);
        QCOMPARE(r.entites, (QStringList{QStringLiteral("F"), QStringLiteral("DL")}));
    } else if (secours_present) {
        attendu +=
            QStringLiteral("\rLe fichier des pays livré avec le programme est utilisé à sa place.");
        QCOMPARE(lire_lignes(liste), QStringList{QStringLiteral("AL1,Alpha Land,AL1,EU,999")});
        QCOMPARE(r.entites, QStringList{QStringLiteral("AL1")});
    } else {
        QVERIFY(!QFile::exists(liste));
        QVERIFY(r.entites.isEmpty());
    }
    QCOMPARE(r.avertissement, attendu);
    QVERIFY(!QFile::exists(liste + QStringLiteral(".tmp")));
}

void TestConversionPays::entrees_illisibles_sans_plantage() {
    QRandomGenerator hasard(7);
    const QString alphabet = QStringLiteral("ADIF:;,=()[]*#<>/ \r\nABC123");
    for (int essai = 0; essai < 2000; ++essai) {
        QString texte;
        for (int i = hasard.bounded(200); i > 0; --i) {
            texte += alphabet.at(hasard.bounded(int(alphabet.size())));
        }
        const ConversionPays resultat = convertir_lignes_pays(texte.split(QLatin1Char('\n')));
        // Each choice item follows a written line.
        QVERIFY(resultat.entites.size() <= resultat.lignes_dxcc.size());
    }
}

void TestConversionPays::fichier_reel() {
    QTemporaryDir dossier;
    QVERIFY(QFile::copy(::fichier_reel, dossier.filePath(QStringLiteral("cty_wt.dat"))));
    const QStringList entites = convertir_fichier_pays(dossier.path()).entites;
    const QByteArray contenu = lire_octets(dossier.filePath(QStringLiteral("DXCC.CSV")));
    QVERIFY(contenu.startsWith(
        "1A,Sov Mil Order of Malta,1A,EU,246\r\n9M0,Spratly Islands,1S,AS,247\r\n"));
    QVERIFY(!contenu.contains('#'));
    QVERIFY(!contenu.contains("\n\n"));
    QVERIFY(!QFile::exists(dossier.filePath(QStringLiteral("DXCC.CSV.tmp"))));
    const QStringList lignes = lire_lignes(dossier.filePath(QStringLiteral("DXCC.CSV")));
    for (const QString& ligne : lignes) {
        QCOMPARE(ligne.count(QLatin1Char(',')), 4);
        QVERIFY2(!ligne.startsWith(QLatin1Char('=')), qPrintable(ligne));
    }
    // Region comments inside a record are skipped; the angle-bracket text stays.
    QVERIFY(lignes.contains(QStringLiteral("3B6<-10.42/-56.58>,Agalega & St. Brandon,3B6,AF,4")));
    QVERIFY(lignes.contains(QStringLiteral("3B7<-16.58/-59.62>,Agalega & St. Brandon,3B6,AF,4")));
    QVERIFY(lignes.contains(QStringLiteral("F,France,F,EU,227")));
    // A comma in an entity name would shift the fields of the look-up.
    QVERIFY(lignes.contains(QStringLiteral("FT0J,Juan de Nova; Europa,FT/j,AF,124")));
    QVERIFY(lignes.contains(QStringLiteral("3H,China,BY,AS,318")));
    QVERIFY(lignes.contains(QStringLiteral("IH9,African Italy,IG9,AF,248")));
    QCOMPARE(entites.first(), QStringLiteral("1A"));
    QVERIFY(entites.contains(QStringLiteral("IG9")));
    // Entities written only as exact calls give nothing.
    QVERIFY(!entites.contains(QStringLiteral("4U1V")));
    QVERIFY(!entites.contains(QStringLiteral("3D2/c")));
    QVERIFY(!entites.contains(QStringLiteral("GM/s")));
    for (qsizetype i = 1; i < entites.size(); ++i) {
        QVERIFY(entites.at(i) != entites.at(i - 1));
        QVERIFY(!entites.at(i).contains(QLatin1Char('*')));
    }
}

void TestConversionPays::fichier_reel_resolution_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("prefixe");
    QTest::addColumn<QString>("continent");
    ligne_donnees("France", "F5ABC", "F", "EU");
    ligne_donnees("Canaries", "EA8/F5ABC", "EA8", "AF");
    ligne_donnees("Hawaii", "KH6XY", "KH6", "OC");
    ligne_donnees("Israel", "4X1AB", "4X", "AS");
    ligne_donnees("Chine par zone", "BY1AA", "BY", "AS");
    ligne_donnees("Sable", "CY0AA", "CY0", "NA");
    ligne_donnees("nom avec virgule", "FT0JA", "FT/j", "AF");
}

void TestConversionPays::fichier_reel_resolution() {
    QFETCH(QString, indicatif);
    QFETCH(QString, prefixe);
    QFETCH(QString, continent);
    QTemporaryDir dossier;
    QVERIFY(QFile::copy(::fichier_reel, dossier.filePath(QStringLiteral("cty_wt.dat"))));
    convertir_fichier_pays(dossier.path());
    const DonneesPays pays(dossier.filePath(QStringLiteral("DXCC.csv")));
    const ResultatPays r = pays.trouver_pays(indicatif);
    QCOMPARE(r.dxcc_prefixe, prefixe);
    QCOMPARE(r.dxcc_continent, continent);
}

void TestConversionPays::telechargement_puis_secours() {
    QTemporaryDir dossier;
    const QString secours = dossier.filePath(QStringLiteral("secours.dat"));
    ecrire_lignes(secours, entete() + lignes_alpha(QStringLiteral("AL1;")));
    int appels = 0;
    // Missing country file, failed download: the shipped file stands in.
    QCOMPARE(convertir_fichier_pays(
                 dossier.path(), [&] { ++appels; }, secours)
                 .entites,
             QStringList{QStringLiteral("AL1")});
    QCOMPARE(appels, 1);
    QCOMPARE(lire_lignes(dossier.filePath(QStringLiteral("DXCC.CSV"))),
             QStringList{QStringLiteral("AL1,Alpha Land,AL1,EU,999")});
    // A download that brings the file: it is read, not the shipped one.
    const auto telecharger = [&] {
        ++appels;
        ecrire_lignes(dossier.filePath(QStringLiteral("cty_wt.dat")),
                      entete() + lignes_alpha(QStringLiteral("BE1;"), QStringLiteral("BE1")));
    };
    QCOMPARE(convertir_fichier_pays(dossier.path(), telecharger, secours).entites,
             QStringList{QStringLiteral("BE1")});
    QCOMPARE(appels, 2);
    // Present now: no further download.
    QCOMPARE(convertir_fichier_pays(dossier.path(), telecharger, secours).entites,
             QStringList{QStringLiteral("BE1")});
    QCOMPARE(appels, 2);
    QVERIFY(QFile::exists(chemin_fichier_pays_livre()));
}

void TestConversionPays::rien_sans_fichier_pays() {
    QTemporaryDir dossier;
    ecrire_lignes(dossier.filePath(QStringLiteral("DXCC.CSV")),
                  {QStringLiteral("X,Ancien,X,EU,1")});
    const ResultatConversion r =
        convertir_fichier_pays(dossier.path(), {}, dossier.filePath(QStringLiteral("absent")));
    QVERIFY(r.entites.isEmpty());
    QVERIFY(r.avertissement.isEmpty());
    QCOMPARE(lire_lignes(dossier.filePath(QStringLiteral("DXCC.CSV"))),
             QStringList{QStringLiteral("X,Ancien,X,EU,1")});
}

void TestConversionPays::entites_du_dxcc_a_cote() {
    QTemporaryDir dossier;
    const QString rep_programme = dossier.path() + QLatin1Char('/');
    const QString rep_cfg = dossier.filePath(QStringLiteral("cfg"));
    QVERIFY(QDir().mkpath(rep_cfg));
    ecrire_lignes(dossier.filePath(QStringLiteral("dxcc.csv")),
                  {QStringLiteral("F,France,F,EU,227"), QStringLiteral("TM,France,F,EU,227"),
                   QStringLiteral("DL,Germany,DL,EU,230"), QStringLiteral("trop,peu,de virgules"),
                   QStringLiteral("X,Vide,,EU,1"), QStringLiteral("FG,France,F,EU,227")});
    bool telecharge = false;
    QCOMPARE(entites_au_demarrage(rep_programme, rep_cfg, [&] { telecharge = true; }).entites,
             (QStringList{QStringLiteral("F"), QStringLiteral("DL"), QStringLiteral("F")}));
    QVERIFY(!telecharge);
    QVERIFY(!QFile::exists(rep_cfg + QStringLiteral("/DXCC.CSV")));
    // Without it, the country file is converted (here the shipped one).
    QVERIFY(QFile::remove(dossier.filePath(QStringLiteral("dxcc.csv"))));
    const QStringList entites =
        entites_au_demarrage(rep_programme, rep_cfg, [&] { telecharge = true; }).entites;
    QVERIFY(telecharge);
    QCOMPARE(entites.first(), QStringLiteral("1A"));
    QVERIFY(QFile::exists(rep_cfg + QStringLiteral("/DXCC.CSV")));
}

QTEST_GUILESS_MAIN(TestConversionPays)
#include "tst_conversion_pays.moc"
