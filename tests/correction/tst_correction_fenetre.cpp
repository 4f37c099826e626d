// "Correction des comptes rendus" from the main window's menu: the folder asked for, the
// progress of the run off the GUI thread, "Annuler", and the results page handed to the
// desktop's browser.

#include "banc_programme.h"
#include "concours_synthetique.h"
#include "dossier_essai.h"

#include "correction/textes_correction.h"
#include "ui/correction_comptes_rendus.h"
#include "ui/tform_main.h"

#include <QAction>
#include <QDesktopServices>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace vorek;
using namespace essai_correction;

// Stands for the desktop's browser: records the pages it is asked to open.
class Navigateur : public QObject {
    Q_OBJECT

  public slots:
    void ouvrir(const QUrl& adresse) { pages.append(adresse); }

  public:
    QList<QUrl> pages;
};

class TestCorrectionFenetre : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void avancement_puis_page();
    void annuler_arrete_sans_rien_ecrire();

  private:
    CorrectionComptesRendus* correction() const {
        return banc_->principale()->findChild<CorrectionComptesRendus*>(
            QStringLiteral("CorrectionComptesRendus"));
    }
    // Starts from the menu; the run is under way when it returns.
    void lancer();

    std::unique_ptr<BancProgramme> banc_;
    Navigateur navigateur_;
    QString dossier_;
    int stations_ = 0;
};

void TestCorrectionFenetre::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->serveur_absent();
    // Enough reports that the run outlasts a click on "Annuler".
    const ConcoursSynthetique concours = generer_concours({3, 60, 0.5, 80, true});
    stations_ = int(concours.fichiers.size());
    banc_->ecrire_references(DossierEssai::dxcc_essai(), concours.membres);
    dossier_ = banc_->chemin(QStringLiteral("comptes rendus"));
    ecrire_concours(concours, dossier_,
                    banc_->chemin(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv")));
    banc_->demarrer_sans_mise_a_jour();
    banc_->creer_challenge(QStringLiteral("F5ABC"), QStringLiteral("essai.VRK"));
    QVERIFY(banc_->principale()->isVisible());
    banc_->dialogues.messages.clear();
    navigateur_.pages.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &navigateur_, "ouvrir");
}

void TestCorrectionFenetre::cleanup() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    banc_.reset();
}

void TestCorrectionFenetre::lancer() {
    QVERIFY(correction());
    banc_->dialogues.prevoir_fichier(dossier_);
    banc_->controles_principale()->CorrectionCR1->trigger();
    QCOMPARE(banc_->dialogues.demandes.last().titre, textes_correction::titre_dossier());
    QVERIFY(correction()->en_cours());
    QVERIFY(correction()->progression() && correction()->progression()->isVisible());
}

void TestCorrectionFenetre::avancement_puis_page() {
    QStringList etapes;
    connect(correction(), &CorrectionComptesRendus::avancement, this,
            [&etapes](const QString& texte) { etapes.append(texte); });
    QSignalSpy fin(correction(), &CorrectionComptesRendus::terminee);
    lancer();
    // A second click while it runs starts nothing.
    banc_->controles_principale()->CorrectionCR1->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(fin.count(), 1, 120000);
    QVERIFY(!correction()->progression());
    QVERIFY(etapes.contains(textes_correction::etape_lecture(stations_, stations_)));
    QVERIFY(std::any_of(etapes.begin(), etapes.end(), [](const QString& e) {
        return e.startsWith(textes_correction::etape_paires(0, 0).section(QLatin1Char(':'), 0, 0));
    }));
    QVERIFY(etapes.contains(textes_correction::etape_scores(stations_, stations_)));
    const QString page = dossier_ + QStringLiteral("/correction/resultats.html");
    QCOMPARE(navigateur_.pages, QList<QUrl>{QUrl::fromLocalFile(page)});
    QVERIFY(QFile::exists(page));
    QCOMPARE(banc_->dialogues.textes(), QStringList());
}

void TestCorrectionFenetre::annuler_arrete_sans_rien_ecrire() {
    QSignalSpy fin(correction(), &CorrectionComptesRendus::terminee);
    lancer();
    QPushButton* annuler = correction()->progression()->findChild<QPushButton*>();
    QVERIFY(annuler);
    QCOMPARE(annuler->text(), textes_correction::annuler());
    QTest::mouseClick(annuler, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(fin.count(), 1, 120000);
    QVERIFY(fin.first().first().value<BilanCorrection>().annule);
    QVERIFY(!QDir(dossier_ + QStringLiteral("/correction")).exists());
    QVERIFY(navigateur_.pages.isEmpty());
    QCOMPARE(banc_->dialogues.textes(), QStringList{textes_correction::correction_annulee()});
    QVERIFY(!correction()->en_cours());
}

QTEST_MAIN(TestCorrectionFenetre)
#include "tst_correction_fenetre.moc"
