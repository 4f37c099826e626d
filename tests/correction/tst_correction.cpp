// The committee's cross-check: the rules over made-up contests whose truth is known, a
// hand-made folder against its expected outputs, and files that are no reports.

#include "appariement_simple.h"
#include "concours_synthetique.h"
#include "dossier_essai.h"
#include "octets_fichier.h"
#include "outil_cli.h"

#include "correction/correction.h"
#include "correction/recoupement.h"
#include "correction/textes_correction.h"
#include "refdata/referentiel.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;
using namespace essai_correction;

namespace {

const QString fixtures = QStringLiteral(VOREK_RACINE_PROJET "/tests/correction");

QString decrire(Categorie categorie, const QString& station, bool unique) {
    return QStringLiteral(" : %1 %2%3")
        .arg(int(categorie))
        .arg(station, unique ? QStringLiteral(" unique") : QString());
}

void dater(const QString& chemin, const QDateTime& moment) {
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::ReadWrite));
    QVERIFY(fichier.setFileTime(moment, QFileDevice::FileModificationTime));
}

QStringList lignes_de(const QString& chemin) {
    return QString::fromUtf8(lire_octets(chemin)).split(QStringLiteral("\r\n"));
}

} // namespace

class TestCorrection : public QObject {
    Q_OBJECT

  private slots:
    void regles_sur_concours_synthetiques_data();
    void regles_sur_concours_synthetiques();
    void dossier_fait_main();
    void codes_de_sortie_data();
    void codes_de_sortie();
    void mauvaises_entrees();
};

void TestCorrection::regles_sur_concours_synthetiques_data() {
    QTest::addColumn<quint32>("graine");
    for (const quint32 graine : {1u, 7u, 42u, 2025u, 31337u}) {
        QTest::addRow("graine %u", graine) << graine;
    }
}

// Every error injected is found with its category, and every clean QSO is confirmed.
void TestCorrection::regles_sur_concours_synthetiques() {
    QFETCH(quint32, graine);
    const ConcoursSynthetique concours = generer_concours({graine, 12, 0.5, 40, true});
    DossierEssai programme;
    programme.ecrire_dxcc();
    OptionsCorrection options;
    options.dossier = programme.dossier.filePath(QStringLiteral("cr"));
    options.tolerance_minutes = concours.tolerance;
    ecrire_concours(concours, options.dossier, programme.chemin_membres());
    const Referentiel referentiel(programme.etat.rep_cfg, programme.etat.rep_BD);

    Dictionnaire dictionnaire;
    const DossierLu lu = lire_comptes_rendus(options, dictionnaire);
    QVERIFY(lu.ecartes.empty());
    Recoupement recoupement(lu.comptes_rendus, dictionnaire, concours.tolerance,
                            membre_connu(referentiel));
    QVERIFY(recoupement.executer({}, nullptr));
    // The pairing agrees with the plain scan of every pair of reports, save for the lines
    // the busted-call rule paired afterwards.
    const std::vector<qint32> simples =
        apparier_simplement(lu.comptes_rendus, dictionnaire, concours.tolerance);
    for (qint32 g = 0; g < qint32(simples.size()); ++g) {
        const ResultatQso& r = recoupement.resultat(g);
        const bool apres = r.partenaire >= 0 && (r.categorie == Categorie::indicatif_errone ||
                                                 recoupement.resultat(r.partenaire).categorie ==
                                                     Categorie::indicatif_errone);
        QCOMPARE(simples[size_t(g)], apres ? -1 : r.partenaire);
    }
    QMap<QString, QList<int>> penalites; // file -> absent, busted call, busted number
    int lues = 0;
    for (size_t s = 0; s < lu.comptes_rendus.size(); ++s) {
        const CompteRendu& cr = lu.comptes_rendus[s];
        QList<int>& compte = penalites[cr.fichier];
        compte = {0, 0, 0, int(cr.qsos.size())};
        QVERIFY2(cr.illisibles.empty(), qPrintable(cr.fichier));
        for (size_t i = 0; i < cr.qsos.size(); ++i, ++lues) {
            const auto cle = qMakePair(cr.fichier, int(cr.qsos[i].ligne));
            QVERIFY(concours.attendus.contains(cle));
            const Attendu attendu = concours.attendus.value(cle);
            const ResultatQso& r = recoupement.resultat(recoupement.global(int(s), qsizetype(i)));
            const QString station = r.station < 0 || r.categorie == Categorie::non_verifiable
                                        ? QString()
                                        : lu.comptes_rendus[size_t(r.station)].indicatif;
            const QString ou = cr.fichier + QLatin1Char(':') + QString::number(cle.second);
            QCOMPARE(ou + decrire(r.categorie, station, r.unique),
                     ou + decrire(attendu.categorie, attendu.station, attendu.unique));
            const int rang = int(attendu.categorie) - int(Categorie::numero_errone);
            if (rang >= 0 && rang < 3) {
                ++compte[(rang + 2) % 3]; // numero_errone, absent, indicatif_errone
            }
        }
    }
    QCOMPARE(lues, concours.attendus.size());
    QVERIFY(concours.erreurs_injectees >= 40);

    // The results count what the rules found; the lines taken out leave the verified QSOs.
    options.sortie = programme.dossier.filePath(QStringLiteral("resultats"));
    const BilanCorrection bilan = corriger_comptes_rendus(options, referentiel);
    QCOMPARE(int(bilan.stations.size()), penalites.size());
    for (const StationCorrigee& s : bilan.stations) {
        const QList<int> attendu = penalites.value(s.fichier);
        QCOMPARE(
            QList<int>({s.absents, s.indicatifs_errones, s.numeros_errones, s.qso_revendiques}),
            attendu);
        QCOMPARE(s.qso_verifies, attendu[3] - attendu[0] - attendu[1] - attendu[2]);
    }
}

// Five reports, one case of each rule, against the outputs checked by hand.
void TestCorrection::dossier_fait_main() {
    QTemporaryDir racine;
    DossierEssai programme;
    QFile::copy(fixtures + QStringLiteral("/reference/DXCC.CSV"), programme.chemin_dxcc());
    QFile::copy(fixtures + QStringLiteral("/reference/ZTC_mini_2021.csv"),
                programme.chemin_membres());
    const QString dossier = racine.filePath(QStringLiteral("comptes rendus"));
    QDir().mkpath(dossier);
    const QDir source(fixtures + QStringLiteral("/comptes_rendus"));
    for (const QString& nom : source.entryList(QDir::Files)) {
        QVERIFY(QFile::copy(source.filePath(nom), dossier + QLatin1Char('/') + nom));
        dater(dossier + QLatin1Char('/') + nom, QDateTime(QDate(2025, 9, 2), QTime(12, 0)));
    }
    dater(dossier + QStringLiteral("/G3EEE_premier.log"),
          QDateTime(QDate(2025, 9, 1), QTime(12, 0)));

    const SortieCli sortie = lancer_vorek({QStringLiteral("--racine"), programme.dossier.path(),
                                           QStringLiteral("corriger"), dossier});
    QCOMPARE(sortie.erreurs, QString());
    QCOMPARE(sortie.code, 0);
    const QDir attendus(fixtures + QStringLiteral("/attendus"));
    QCOMPARE(sortie.sortie.split(QLatin1Char('\n')),
             QString::fromUtf8(lire_octets(attendus.filePath(QStringLiteral("sortie.txt"))))
                 .split(QLatin1Char('\n')));
    const QDir resultats(dossier + QStringLiteral("/correction"));
    QStringList ecrits = resultats.entryList(QDir::Files);
    ecrits.removeOne(QStringLiteral("resultats.html"));
    QStringList prevus = attendus.entryList(QDir::Files);
    prevus.removeOne(QStringLiteral("sortie.txt"));
    QCOMPARE(ecrits, prevus);
    for (const QString& nom : prevus) {
        QCOMPARE(lignes_de(resultats.filePath(nom)), lignes_de(attendus.filePath(nom)));
        QCOMPARE(lire_octets(resultats.filePath(nom)), lire_octets(attendus.filePath(nom)));
    }
}

void TestCorrection::codes_de_sortie_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::newRow("sans dossier") << QStringList{} << 2;
    QTest::newRow("deux dossiers") << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 2;
    QTest::newRow("tolérance") << QStringList{QStringLiteral("@"), QStringLiteral("--tolerance"),
                                              QStringLiteral("cinq")}
                               << 2;
    QTest::newRow("année") << QStringList{QStringLiteral("@"), QStringLiteral("--annee"),
                                          QStringLiteral("25")}
                           << 2;
    QTest::newRow("option inconnue")
        << QStringList{QStringLiteral("@"), QStringLiteral("--seuil"), QStringLiteral("3")} << 2;
    QTest::newRow("dossier absent") << QStringList{QStringLiteral("@/absent")} << 1;
    QTest::newRow("aucun compte rendu") << QStringList{QStringLiteral("@")} << 1;
}

void TestCorrection::codes_de_sortie() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QTemporaryDir racine;
    ecrire_octets(racine.filePath(QStringLiteral("notes.log")), "rien\r\n");
    arguments.replaceInStrings(QStringLiteral("@"), racine.path());
    const SortieCli sortie = lancer_vorek(
        QStringList{QStringLiteral("--racine"), racine.path(), QStringLiteral("corriger")} +
        arguments);
    QCOMPARE(sortie.code, code);
    QVERIFY(!sortie.erreurs.isEmpty());
    QVERIFY(!QDir(racine.filePath(QStringLiteral("correction"))).exists());
}

// Files that are no reports are set aside with their reason, the others are used, and no
// input is written.
void TestCorrection::mauvaises_entrees() {
    DossierEssai programme;
    programme.ecrire_membres();
    const QString dossier = programme.dossier.filePath(QStringLiteral("cr"));
    const auto chemin = [&](const char* nom) {
        return dossier + QLatin1Char('/') + QLatin1String(nom);
    };
    ecrire_octets(chemin("page.log"), "<!DOCTYPE html>\n<html><body><p>CALLSIGN: F5ABC</p>\n");
    ecrire_octets(chemin("vide.log"), "");
    QByteArray binaire(8192, '\0');
    QRandomGenerator hasard(5);
    hasard.fillRange(reinterpret_cast<quint32*>(binaire.data()), binaire.size() / 4);
    ecrire_octets(chemin("binaire.cbr"), binaire);
    const QByteArray entete = "START-OF-LOG: 3.0\r\nCALLSIGN: F9BIG\r\n";
    ecrire_octets(chemin("enorme.LOG"), entete);
    {
        QFile enorme(chemin("enorme.LOG"));
        QVERIFY(enorme.open(QIODevice::ReadWrite));
        QVERIFY(enorme.resize(70 * 1024 * 1024)); // sparse: no 70 MB written
    }
    ecrire_octets(chemin("sans_qso.log"),
                  "START-OF-LOG: 3.0\r\nCALLSIGN: F5ABC\r\nEND-OF-LOG:\r\n");
    const QByteArray qso = "QSO: 14000 CW 2025-07-05 1005 DL1AA 599 456 F5ABC 599 123\r\n";
    // The later report of a station wins, whatever the names' order.
    ecrire_octets(chemin("DL1AA_a.log"), "START-OF-LOG: 3.0\r\nCALLSIGN: DL1AA\r\n" + qso + qso);
    ecrire_octets(chemin("DL1AA_z.log"), "START-OF-LOG: 3.0\r\nCALLSIGN: DL1AA/P\r\n" + qso);
    dater(chemin("DL1AA_a.log"), QDateTime(QDate(2025, 9, 3), QTime(8, 0)));
    dater(chemin("DL1AA_z.log"), QDateTime(QDate(2025, 9, 1), QTime(8, 0)));
    ecrire_octets(chemin("notes.txt"), "START-OF-LOG: 3.0\r\nCALLSIGN: F1ZZZ\r\n");
    // A call that would lead out of the results folder, a name a spreadsheet would run.
    ecrire_octets(chemin("hostile.cbr"), "START-OF-LOG: 3.0\r\nCALLSIGN: ../../EVASION\r\n"
                                         "NAME: =HYPERLINK(\"http://x\";\"y\")\r\n");
    QMap<QString, QByteArray> avant;
    for (const QString& nom : QDir(dossier).entryList(QDir::Files)) {
        avant.insert(nom, nom == QStringLiteral("enorme.LOG")
                              ? QByteArray()
                              : lire_octets(dossier + QLatin1Char('/') + nom));
    }

    OptionsCorrection options;
    options.dossier = dossier;
    const Referentiel referentiel(programme.etat.rep_cfg, programme.etat.rep_BD);
    const BilanCorrection bilan = corriger_comptes_rendus(options, referentiel);

    QMap<QString, QString> ecartes;
    for (const FichierEcarte& e : bilan.ecartes) {
        ecartes.insert(e.fichier, e.raison);
    }
    namespace t = textes_correction;
    QCOMPARE(ecartes,
             (QMap<QString, QString>{
                 {QStringLiteral("page.log"), t::refus_sans_debut()},
                 {QStringLiteral("vide.log"), t::refus_sans_debut()},
                 {QStringLiteral("binaire.cbr"), t::refus_sans_debut()},
                 {QStringLiteral("enorme.LOG"), t::refus_trop_gros()},
                 {QStringLiteral("DL1AA_z.log"), t::refus_remplace(QStringLiteral("DL1AA_a.log"))},
             }));
    QCOMPARE(int(bilan.stations.size()), 3);
    QCOMPARE(bilan.stations[1].indicatif, QStringLiteral("DL1AA"));
    QCOMPARE(bilan.stations[1].qso_revendiques, 2);
    QCOMPARE(bilan.stations[2].indicatif, QStringLiteral("F5ABC"));
    QCOMPARE(bilan.stations[2].qso_revendiques, 0);
    QCOMPARE(bilan.stations[0].fichier_rapport, QStringLiteral("__-__-EVASION.txt"));
    QVERIFY(QFile::exists(dossier + QStringLiteral("/correction/__-__-EVASION.txt")));
    QVERIFY(lire_octets(dossier + QStringLiteral("/correction/resultats.csv"))
                .contains(";\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\";"));
    for (auto f = avant.cbegin(); f != avant.cend(); ++f) {
        if (f.key() != QStringLiteral("enorme.LOG")) {
            QCOMPARE(lire_octets(dossier + QLatin1Char('/') + f.key()), f.value());
        }
    }
    QCOMPARE(QFileInfo(chemin("enorme.LOG")).size(), 70 * 1024 * 1024);
    QVERIFY(QFile::exists(dossier + QStringLiteral("/correction/DL1AA.txt")));
}

QTEST_GUILESS_MAIN(TestCorrection)
#include "tst_correction.moc"
