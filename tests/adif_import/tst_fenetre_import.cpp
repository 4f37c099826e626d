#include "adif_import/textes_import.h"
#include "banc_programme.h"
#include "ui/tform_choix_adif.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include "adif_import/copies_import.h"
#include "base/fichier_texte.h"
#include "log/fichier_challenge.h"
#include "octets_fichier.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace vorek;

// The choice window on the offscreen platform, driven as the operator does.
class TestFenetreImport : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { banc_.reset(); }
    void annulation_fichier_absent_puis_import();
    void rappel_de_la_station();
    void annuler_et_echap();
    void ajout_a_cote_d_un_autre_journal();
    void remplacement_puis_redemarrage();
    void kill_9_apres_import();

  private:
    TForm_choix_ADIF* choix() const { return banc_->programme->Form_choix_ADIF(); }
    // The test ADIF file (3 QSOs of members, 2 records left out) in the work folder.
    QString copier_adif(const QString& nom) const {
        const QString adif = banc_->travail(nom);
        QFile::copy(
            QStringLiteral(VOREK_RACINE_PROJET "/tests/adif_import/fichiers/un_qso_par_ligne.adi"),
            adif);
        return adif;
    }
    // A log of n QSOs of F5ABC, one a day from 2 July, saved in the work folder.
    QString ecrire_journal(const QString& nom, int n) const {
        Etat journal;
        journal.station.station_call = QStringLiteral("F1AAA");
        journal.station.station_DXCC = QStringLiteral("F");
        for (int i = 1; i <= n; ++i) {
            journal.table.fixer_nb_lignes(i + 2);
            journal.table.fixer_ligne(
                i, {QDate(2025, 7, 1).addDays(i).toString(QStringLiteral("dd/MM/yyyy")),
                    QStringLiteral("10:00"), QStringLiteral("F5ABC"), QStringLiteral("40m")});
        }
        sauver_fichier(journal, banc_->travail(nom));
        return banc_->travail(nom);
    }
    std::unique_ptr<BancProgramme> banc_;
};

void TestFenetreImport::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->serveur_absent();
    banc_->ecrire_references(
        {QStringLiteral("F,France,F,EU,227"), QStringLiteral("K,United States,K,NA,291")},
        {QStringLiteral("F5ABC,123,Jean DUPONT,x"), QStringLiteral("K1ZZ,789,Bob Smith,x")});
    banc_->demarrer_sans_mise_a_jour();
}

void TestFenetreImport::annulation_fichier_absent_puis_import() {
    banc_->creer_challenge(QStringLiteral("F1AAA"), banc_->travail(QStringLiteral("ete.VRK")));
    const ControlesPrincipale* m = banc_->controles_principale();
    QVERIFY(m->fenetre->isVisible());
    banc_->dialogues = DialoguesScriptes();
    m->BitBtn_ADIF->click();
    QVERIFY(choix()->isVisible());

    // Cancelled, then a file that is not there: nothing changes, the choice stays.
    choix()->BitBtn_remplacement->click();
    banc_->dialogues.prevoir_fichier(banc_->travail(QStringLiteral("absent.adi")));
    choix()->BitBtn_ajout->click();
    QVERIFY(choix()->isVisible());
    QCOMPARE(banc_->dialogues.textes(), QStringList{textes_import::fichier_inexistant()});
    const DemandeFichier demande = banc_->dialogues.demandes.value(0);
    QCOMPARE(demande.filtre, QStringLiteral("Fichier ADIF|*.adi"));
    QCOMPARE(demande.dossier_initial, banc_->etat->rep_challenge);
    QCOMPARE(banc_->etat->ligne_suivante, 1);

    const QString adif = banc_->travail(QStringLiteral("carnet.adi"));
    QVERIFY(QFile::copy(
        QStringLiteral(VOREK_RACINE_PROJET "/tests/adif_import/fichiers/un_qso_par_ligne.adi"),
        adif));
    banc_->dialogues = DialoguesScriptes();
    banc_->dialogues.prevoir_fichier(adif);
    choix()->BitBtn_remplacement->click();
    QVERIFY(!choix()->isVisible());
    // An empty log is replaced without a question; the counts are told.
    QVERIFY(banc_->dialogues.questions.isEmpty());
    QCOMPARE(banc_->dialogues.messages.size(), 1);
    QCOMPARE(banc_->dialogues.messages[0].type, TypeMessage::information);
    QCOMPARE(m->Label_nbrQSO->text(), QStringLiteral("3"));
    QCOMPARE(m->Label_score->text(),
             QString::number(banc_->etat->score_total) + QStringLiteral(" points"));
    QVERIFY(banc_->etat->score_total > 0);
    QCOMPARE(m->fenetre->windowTitle(),
             QStringLiteral("CHALLENGE d'été VOREK   (12/2023) : Fichier ") +
                 banc_->etat->fichier_courant + QStringLiteral(" (3 QSO)"));
    QCOMPARE(m->Grille->model()->rowCount(), 4);
    QCOMPARE(m->Grille->model()->index(0, 2).data().toString(), QStringLiteral("K1ZZ"));
    QCOMPARE(m->Grille->currentIndex().row(), 0);
    QVERIFY(QFile::exists(banc_->travail(QStringLiteral("carnet.VRK"))));
}

void TestFenetreImport::rappel_de_la_station() {
    TForm_Infos* infos = banc_->infos();
    infos->hide();
    choix()->show();
    choix()->BitBtn_ajout->click();
    QCOMPARE(banc_->dialogues.textes(), QStringList{textes_import::rappel_station()});
    QCOMPARE(banc_->dialogues.messages[0].type, TypeMessage::information);
    QVERIFY(infos->isVisible());
    // Cancelled: the choice window waits for another try.
    QVERIFY(choix()->isVisible());
}

void TestFenetreImport::annuler_et_echap() {
    choix()->show();
    choix()->BitBtn_annuler->click();
    QVERIFY(!choix()->isVisible());
    choix()->show();
    choix()->activateWindow();
    QTRY_VERIFY(choix()->isActiveWindow());
    QTest::keyClick(choix()->BitBtn_ajout, Qt::Key_Escape);
    QTRY_VERIFY(!choix()->isVisible());
    QVERIFY(banc_->dialogues.demandes.isEmpty());
}

// ete2026 open, ete2025 (18 QSOs) beside ete2025.adi: the import asks before replacing
// ete2025, "Non" leaves it whole, and ete2026 on disk holds the import at once.
void TestFenetreImport::ajout_a_cote_d_un_autre_journal() {
    const QString autre = ecrire_journal(QStringLiteral("ete2025.VRK"), 18);
    const QByteArray autre_avant = lire_octets(autre);
    banc_->charger_challenge(ecrire_journal(QStringLiteral("ete2026.VRK"), 2));
    banc_->dialogues.prevoir_fichier(copier_adif(QStringLiteral("ete2025.adi")));
    banc_->dialogues.prevoir_reponse(Reponse::non);
    banc_->controles_principale()->BitBtn_ADIF->click();
    choix()->BitBtn_ajout->click();

    QCOMPARE(banc_->dialogues.questions.size(), 1);
    QVERIFY(banc_->dialogues.questions[0].startsWith(
        textes_import::fichier_existant().arg(QDir::toNativeSeparators(autre)).arg(18)));
    QCOMPARE(lire_octets(autre), autre_avant);
    QVERIFY(!QFile::exists(chemin_sauvegarde(autre)));
    QCOMPARE(lignes_challenge(*banc_->etat),
             lire_lignes(banc_->travail(QStringLiteral("ete2026.VRK"))));
    QCOMPARE(compter_QSO(banc_->etat->table), 5);
    // The QSOs of members carry their names, as committed ones do.
    QCOMPARE(banc_->etat->table.cellule(col_nom, 3), QStringLiteral("Bob Smith"));
}

// "Remplacement" asks with both counts, and after a restart the replaced log is still there
// in its dated copy beside the log.
void TestFenetreImport::remplacement_puis_redemarrage() {
    const QString journal = ecrire_journal(QStringLiteral("ete.VRK"), 23);
    banc_->charger_challenge(journal);
    banc_->dialogues.prevoir_fichier(copier_adif(QStringLiteral("carnet.adi")));
    banc_->dialogues.prevoir_reponse(Reponse::oui);
    banc_->controles_principale()->BitBtn_ADIF->click();
    choix()->BitBtn_remplacement->click();
    QCOMPARE(banc_->dialogues.questions,
             QStringList{textes_import::question_remplacement().arg(23).arg(3)});

    banc_->redemarrer();
    const QString copie = banc_->travail(QStringLiteral("ete.20250315-100000.VRK"));
    QCOMPARE(nb_qso_fichier(copie), 23);
    QCOMPARE(nb_qso_fichier(journal), 3);
    QCOMPARE(nb_qso_fichier(chemin_sauvegarde(journal)), 23);
    banc_->charger_challenge(journal);
    QCOMPARE(banc_->controles_principale()->Label_nbrQSO->text(), QStringLiteral("3"));

    // Declined: nothing changes, on screen or on disk.
    const QByteArray avant = lire_octets(journal);
    banc_->dialogues.prevoir_fichier(banc_->travail(QStringLiteral("carnet.adi")));
    banc_->dialogues.prevoir_reponse(Reponse::non);
    banc_->controles_principale()->BitBtn_ADIF->click();
    choix()->BitBtn_remplacement->click();
    QVERIFY(choix()->isVisible());
    QCOMPARE(lire_octets(journal), avant);
    QCOMPARE(compter_QSO(banc_->etat->table), 3);
}

namespace {

const char* const variable_enfant = "VOREK_ESSAI_IMPORT_ENFANT";

// The child's part: the real program imports into its log, says where, then waits to be
// killed.
int importer_puis_attendre() {
    BancProgramme banc;
    banc.serveur_absent();
    banc.ecrire_references(
        {QStringLiteral("F,France,F,EU,227"), QStringLiteral("K,United States,K,NA,291")},
        {QStringLiteral("F5ABC,123,Jean DUPONT,x"), QStringLiteral("K1ZZ,789,Bob Smith,x")});
    banc.demarrer_sans_mise_a_jour();
    banc.creer_challenge(QStringLiteral("F1AAA"), banc.travail(QStringLiteral("ete.VRK")));
    const QString adif = banc.travail(QStringLiteral("carnet.adi"));
    QFile::copy(
        QStringLiteral(VOREK_RACINE_PROJET "/tests/adif_import/fichiers/un_qso_par_ligne.adi"),
        adif);
    banc.dialogues.prevoir_fichier(adif);
    banc.controles_principale()->BitBtn_ADIF->click();
    banc.programme->Form_choix_ADIF()->BitBtn_ajout->click();
    std::printf("%s\n", qPrintable(banc.travail(QStringLiteral("ete.VRK"))));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

// kill -9 right after an import: the log on disk holds the imported QSOs.
void TestFenetreImport::kill_9_apres_import() {
    QProcess enfant;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(variable_enfant), QStringLiteral("1"));
    enfant.setProcessEnvironment(env);
    enfant.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(enfant.waitForStarted());
    while (!enfant.canReadLine()) {
        QVERIFY2(enfant.waitForReadyRead(60000), enfant.readAllStandardError().constData());
    }
    const QString journal = QString::fromLocal8Bit(enfant.readLine()).trimmed();
    enfant.kill();
    // Only the child's own temporary folder is removed below.
    QVERIFY2(QFileInfo(journal).isAbsolute() &&
                 journal.endsWith(QStringLiteral("/prog/Fichiers_challenge/ete.VRK")),
             qPrintable(journal));
    QVERIFY(enfant.waitForFinished());
    QCOMPARE(enfant.exitStatus(), QProcess::CrashExit);
    const int qso = nb_qso_fichier(journal);
    // The child's folder outlives it: removed here.
    QDir(QDir::cleanPath(QFileInfo(journal).absolutePath() + QStringLiteral("/../..")))
        .removeRecursively();
    QCOMPARE(qso, 3);
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (qEnvironmentVariableIsSet(variable_enfant)) {
        return importer_puis_attendre();
    }
    TestFenetreImport essai;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&essai, argc, argv);
}

#include "tst_fenetre_import.moc"
