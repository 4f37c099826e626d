#include "dialogues_scriptes.h"
#include "journal_essai.h"
#include "ligne_donnees.h"
#include "outil_cli.h"
#include "programme_essai.h"

#include "base/dates.h"
#include "entry/chargement.h"
#include "log/fichier_challenge.h"
#include "refdata/referentiel.h"
#include "reports/adif_sortie.h"
#include "reports/ascii.h"
#include "reports/cabrillo.h"
#include "reports/conversions.h"
#include "reports/noms_rapports.h"
#include "reports/rapport_texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace vorek;

// The report commands of the command-line tool, run as a separate process.
class TestCliRapports : public QObject {
    Q_OBJECT

  private slots:
    void comme_les_fenetres_data();
    void comme_les_fenetres();
    void rapport_interrompu();
    void jamais_sur_le_journal_data();
    void jamais_sur_le_journal();
    void usages();
};

namespace {

QString preparer(JournalEssai& essai) {
    essai.remplir_petit();
    essai.ecrire_membres();
    sauver_fichier(essai.etat, QStringLiteral("ete.VRK"));
    return essai.chemin_travail(QStringLiteral("ete.VRK"));
}

QStringList debut(const JournalEssai& essai) {
    return {QStringLiteral("--racine"), essai.dossier.path(), QStringLiteral("--aujourdhui"),
            QStringLiteral("15/08/2024")};
}

// What the windows write for the file: their load, rescoring included, then the writer of
// the file's kind.
QByteArray ecrit_par_les_fenetres(const JournalEssai& essai, const QString& vrk,
                                  const QString& nom) {
    Etat etat;
    preparer_programme(etat, essai.dossier.path(), JournalEssai::aujourdhui());
    etat.fichier_courant = vrk;
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    DialoguesScriptes dialogues;
    charger_fichier(etat, vrk,
                    actions_chargement(etat, referentiel, dialogues, QString(),
                                       annee_courante(JournalEssai::aujourdhui())));
    const QString extension = QFileInfo(nom).suffix();
    if (extension == QStringLiteral("LOG")) {
        return octets_de(lignes_cabrillo(etat));
    }
    if (extension == QStringLiteral("TXT")) {
        CompteursRapport compteurs;
        return octets_de(
            lignes_rapport_texte(etat, annee_courante(JournalEssai::aujourdhui()), compteurs));
    }
    if (extension == QStringLiteral("ADI")) {
        return octets_de(lignes_adif_rapport(etat, referentiel.membres).lignes);
    }
    if (extension == QStringLiteral("adi")) {
        return octets_de(lignes_export_adif(etat, referentiel.membres).lignes);
    }
    return octets_de(lignes_ascii(etat));
}

} // namespace

void TestCliRapports::comme_les_fenetres_data() {
    QTest::addColumn<QStringList>("commande");
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QByteArray>("rescore");
    // The stored log holds 1234* for F6BBB; the member database, and so the rescoring of
    // every load, says 1200.
    ligne_donnees("rapport", QStringList{"rapport"}, QStringList{"ete.LOG", "ete.TXT", "ete.ADI"},
                  QByteArray("F6BBB         599 1200 "));
    ligne_donnees("export ADIF", QStringList{"export-adif", "autre/mon.adi"},
                  QStringList{"mon.adi"}, QByteArray("<SRX:4>1200 "));
    ligne_donnees("export ASCII", QStringList{"export-ascii"}, QStringList{"ete.ASC"},
                  QByteArray("F6BBB       20240701 01:10  80m 579 449 ZTC  1200 CW"));
}

// The command line loads a log as the windows do, rescoring included, so the same log gives
// the same files whichever way the operator asks for them.
void TestCliRapports::comme_les_fenetres() {
    QFETCH(QStringList, commande);
    QFETCH(QStringList, fichiers);
    QFETCH(QByteArray, rescore);
    JournalEssai essai;
    const QString vrk = preparer(essai);
    QStringList arguments = debut(essai) << commande.first() << vrk;
    for (const QString& argument : commande.mid(1)) {
        arguments << essai.dossier.filePath(argument);
    }
    const SortieCli sortie = lancer_vorek(arguments);
    QCOMPARE(sortie.erreurs, QString());
    QCOMPARE(sortie.code, 0);
    QString chemins;
    for (const QString& nom : fichiers) {
        chemins += essai.chemin_travail(nom) + QLatin1Char('\n');
        QCOMPARE(lire_octets(essai.chemin_travail(nom)), ecrit_par_les_fenetres(essai, vrk, nom));
    }
    QCOMPARE(sortie.sortie, chemins);
    QVERIFY(lire_octets(essai.chemin_travail(fichiers.first())).contains(rescore));
}

void TestCliRapports::rapport_interrompu() {
    JournalEssai essai;
    const QString vrk = preparer(essai);
    QVERIFY(QDir().mkpath(essai.chemin_travail(QStringLiteral("ete.TXT"))));
    const SortieCli sortie = lancer_vorek(debut(essai) << QStringLiteral("rapport") << vrk);
    QCOMPARE(sortie.code, 1);
    QCOMPARE(sortie.sortie, essai.chemin_travail(QStringLiteral("ete.LOG\n")));
    QCOMPARE(sortie.erreurs, QStringLiteral("Accès au fichier refusé\n"));
    QVERIFY(!QFile::exists(essai.chemin_travail(QStringLiteral("ete.ADI"))));
}

void TestCliRapports::jamais_sur_le_journal_data() {
    QTest::addColumn<QString>("journal");
    QTest::addColumn<QStringList>("commande");
    QTest::addColumn<QString>("remplace");
    QTest::addColumn<bool>("lien");
    ligne_donnees("journal nomme comme le Cabrillo", QStringLiteral("ETE.LOG"),
                  QStringList{"rapport"}, QStringLiteral("ETE.LOG"), false);
    ligne_donnees("journal nomme comme le rapport texte", QStringLiteral("ete.TXT"),
                  QStringList{"rapport"}, QStringLiteral("ete.TXT"), false);
    ligne_donnees("journal nomme comme le listing", QStringLiteral("ete.ASC"),
                  QStringList{"export-ascii"}, QStringLiteral("ete.ASC"), false);
    ligne_donnees("la casse seule differe", QStringLiteral("ete.asc"), QStringList{"export-ascii"},
                  QStringLiteral("ete.ASC"), false);
    ligne_donnees("export nomme comme le journal", QStringLiteral("ete.VRK"),
                  QStringList{"export-adif", "ailleurs/ETE.vrk"}, QStringLiteral("ETE.vrk"), false);
    ligne_donnees("rapport sur un lien vers le journal", QStringLiteral("ete.VRK"),
                  QStringList{"rapport"}, QStringLiteral("ete.LOG"), true);
}

// A report never replaces the log it is made from: the command is refused with a message
// and the log keeps every QSO.
void TestCliRapports::jamais_sur_le_journal() {
    QFETCH(QString, journal);
    QFETCH(QStringList, commande);
    QFETCH(QString, remplace);
    QFETCH(bool, lien);
    JournalEssai essai;
    essai.remplir_petit();
    essai.ecrire_membres();
    sauver_fichier(essai.etat, journal);
    const QString vrk = essai.chemin_travail(journal);
    if (lien) {
        QVERIFY(QFile::link(vrk, essai.chemin_travail(remplace)));
    }
    const QByteArray avant = lire_octets(vrk);
    QStringList arguments = debut(essai) << commande.first() << vrk;
    for (const QString& argument : commande.mid(1)) {
        arguments << essai.dossier.filePath(argument);
    }
    const SortieCli sortie = lancer_vorek(arguments);
    QCOMPARE(sortie.code, 1);
    QCOMPARE(sortie.erreurs,
             message_rapport_sur_journal(essai.chemin_travail(remplace)) + QLatin1Char('\n'));
    QCOMPARE(lire_octets(vrk), avant);
}

void TestCliRapports::usages() {
    for (const char* commande : {"rapport", "export-adif", "export-ascii"}) {
        const SortieCli sortie = lancer_vorek({QString::fromLatin1(commande)});
        QCOMPARE(sortie.code, 2);
        QVERIFY(sortie.erreurs.contains(QStringLiteral("usage : vorek ") +
                                        QString::fromLatin1(commande)));
    }
}

QTEST_GUILESS_MAIN(TestCliRapports)
#include "tst_cli_rapports.moc"
