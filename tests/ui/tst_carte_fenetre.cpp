#include "banc_programme.h"
#include "cluster_essai.h"
#include "pairs_radio.h"

#include "cluster/reglages_cluster.h"
#include "entry/textes_saisie.h"
#include "rules/textes_regles.h"
#include "ui/radio_principale.h"
#include "ui/tform_carte.h"
#include "ui/tform_main.h"
#include "ui/tform_radio.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QtTest>

using namespace vorek;
using namespace std::chrono_literals;

// The band map beside the main window, fed by a cluster the test plays, with a radio behind
// rigctld: the spots with their points, a spot taken by a double-click or by the keys from
// the call field, the map following a commit, and its settings.
class TestCarteFenetre : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(rigctld_.lancer()); }
    void init();
    void cleanup() { banc_.reset(); }
    void spots_cliques_et_parcourus();
    void reglages_du_cluster();

  private:
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    TForm_carte* carte() const { return banc_->programme->Form_carte(); }
    // The cell of the call in the band's column, once the map shows it.
    QTableWidgetItem* cellule(const QString& bande, const QString& indicatif) const;

    Rigctld rigctld_;
    std::unique_ptr<ClusterEssai> cluster_;
    std::unique_ptr<BancProgramme> banc_;
};

void TestCarteFenetre::init() {
    cluster_ = std::make_unique<ClusterEssai>();
    cluster_->flux = flux_enregistre();
    banc_ = std::make_unique<BancProgramme>();
    banc_->horloge.regler(QDateTime(QDate(2025, 7, 14), QTime(10, 0)));
    banc_->intervalles_radio = {30ms, 100ms, 200ms};
    banc_->delais_cluster = {300ms, 3000ms, 50ms, 200ms};
    banc_->serveur_absent();
    banc_->ecrire_references(
        {QStringLiteral("F,France,F,EU,227"), QStringLiteral("DL,Allemagne,DL,EU,230"),
         QStringLiteral("K,Etats-Unis,K,NA,291")},
        {QStringLiteral("F5XYZ,12,Paul MARTIN,Lyon"), QStringLiteral("F5ABC,123,Jean DUPONT,Paris"),
         QStringLiteral("DL1AA,456,Hans MEIER,Berlin"),
         QStringLiteral("K1ZZ,789,Bob SMITH,Boston")});
    banc_->ecrire(QStringLiteral("cfg/Challenge_VRK.ini"),
                  {QStringLiteral("[Radio]"), QStringLiteral("Modele=2"),
                   QStringLiteral("Port=") + rigctld_.adresse(), QStringLiteral("[Cluster]"),
                   QStringLiteral("Hote=127.0.0.1"),
                   QStringLiteral("Port=%1").arg(cluster_->port())});
    banc_->demarrer_sans_mise_a_jour();
    banc_->creer_challenge(QStringLiteral("F5XYZ"), banc_->travail(QStringLiteral("ete.VRK")));
    QVERIFY(QTest::qWaitForWindowActive(m()->fenetre));
}

QTableWidgetItem* TestCarteFenetre::cellule(const QString& bande, const QString& indicatif) const {
    const int colonne = int(carte()->bandes_colonnes().indexOf(bande));
    QTableWidgetItem* trouvee = nullptr;
    const bool vue = QTest::qWaitFor([&] {
        for (int r = 0; r < carte()->Grille_carte->rowCount() && trouvee == nullptr; ++r) {
            QTableWidgetItem* item = carte()->Grille_carte->item(r, colonne);
            if (item != nullptr && item->data(Qt::UserRole).toString() == indicatif) {
                trouvee = item;
            }
        }
        return trouvee != nullptr;
    });
    return vue ? trouvee : nullptr;
}

void TestCarteFenetre::spots_cliques_et_parcourus() {
    m()->CarteBandes1->trigger();
    QVERIFY(carte() != nullptr && carte()->isVisible());
    // Beside the main window, inside the screen.
    QVERIFY(carte()->frameGeometry().left() >= m()->fenetre->frameGeometry().left());
    QVERIFY(QApplication::primaryScreen()->availableGeometry().contains(carte()->frameGeometry()));
    QTRY_COMPARE(cluster_->recus.value(0), QByteArray("F5XYZ"));

    // A member never worked: green and bold; a non-member at no points: grey, with the reason.
    QTableWidgetItem* dl1aa = cellule(QStringLiteral("40m"), QStringLiteral("DL1AA"));
    QVERIFY(dl1aa != nullptr);
    QVERIFY(dl1aa->text().startsWith(QStringLiteral("DL1AA  ")));
    QVERIFY(dl1aa->text().contains(QStringLiteral("456 Hans MEIER")));
    QCOMPARE(dl1aa->foreground().color(), QColor(0, 128, 0));
    QVERIFY(dl1aa->font().bold());
    QTableWidgetItem* f6xyz = cellule(QStringLiteral("20m"), QStringLiteral("F6XYZ"));
    QVERIFY(f6xyz != nullptr);
    QCOMPARE(f6xyz->foreground().color(), QColor(128, 128, 128));
    QVERIFY(f6xyz->toolTip().startsWith(QStringLiteral("NM car non à jour")));
    QVERIFY(cellule(QStringLiteral("20m"), QStringLiteral("F5ABC"))->font().bold());

    // A double-click tunes the rig, chooses the band and types the call.
    m()->Edit_call->setFocus();
    QTest::keyClicks(m()->Edit_call, QStringLiteral("F6"));
    const QRect rect = carte()->Grille_carte->visualItemRect(
        cellule(QStringLiteral("40m"), QStringLiteral("DL1AA")));
    // The events of a real double-click: a click, then the double-click.
    QTest::mouseClick(carte()->Grille_carte->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(carte()->Grille_carte->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("DL1AA"));
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("40m"));
    QCOMPARE(m()->Edit_NrZTC->text(), QStringLiteral("456"));
    QTRY_COMPARE(rigctld_.commande("f"), QByteArray("7012500"));
    QTRY_COMPARE(m()->fenetre->radio().Label_radio->text(), texte_frequence(7'012'500));
    QTRY_COMPARE(QApplication::focusWidget(), m()->Edit_call);

    // From the call field: Ctrl+Down walks the 20m spots by frequency, Return takes one and
    // commits nothing; the next Return commits.
    m()->ComboBox_band->setCurrentText(QStringLiteral("20m"));
    m()->Edit_call->setFocus();
    QTest::keyClick(m()->Edit_call, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(carte()->Grille_carte->currentItem()->data(Qt::UserRole).toString(),
             QStringLiteral("F5ABC"));
    QTest::keyClick(m()->Edit_call, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(m()->Edit_call, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(m()->Edit_call, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("K1ZZ"));
    QCOMPARE(banc_->etat->table.cellule(col_indicatif, 1), QString());
    QTRY_COMPARE(rigctld_.commande("f"), QByteArray("14030000"));
    QTRY_COMPARE(m()->fenetre->radio().Label_radio->text(), texte_frequence(14'030'000));
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("20m"));
    // The entry's preview says what the map said.
    const QList<SpotCarte> vingt = carte()->carte().spots_bande(QStringLiteral("20m"));
    const SpotCarte k1zz_avant = vingt[1];
    QCOMPARE(k1zz_avant.spot.indicatif, QStringLiteral("K1ZZ"));
    QVERIFY(k1zz_avant.apercu.points.toInt() > 0);
    QCOMPARE(m()->Label_apercu->text(),
             textes::apercu_points(k1zz_avant.apercu.points) + k1zz_avant.apercu.raison);
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
    QCOMPARE(banc_->etat->table.cellule(col_indicatif, 1), QStringLiteral("K1ZZ"));
    QCOMPARE(banc_->etat->table.cellule(col_bande, 1), QStringLiteral("20m"));

    // The map follows the commit: K1ZZ is worked, worth nothing more today.
    QTRY_COMPARE(cellule(QStringLiteral("20m"), QStringLiteral("K1ZZ"))->foreground().color(),
                 QColor(128, 128, 128));
    QTableWidgetItem* k1zz = cellule(QStringLiteral("20m"), QStringLiteral("K1ZZ"));
    QVERIFY(!k1zz->font().bold());
    QVERIFY(k1zz->toolTip().startsWith(textes::remarque_meme_jour().trimmed()));

    // A key typed after Ctrl+Down forgets the spot shown: Return commits the call typed.
    QTest::keyClick(m()->Edit_call, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(carte()->Grille_carte->currentItem()->data(Qt::UserRole).toString(),
             QStringLiteral("F6XYZ"));
    QTest::keyClicks(m()->Edit_call, QStringLiteral("DL1AA"));
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
    QCOMPARE(banc_->etat->table.cellule(col_indicatif, 2), QStringLiteral("DL1AA"));
    QCOMPARE(banc_->etat->table.cellule(col_bande, 2), QStringLiteral("20m"));

    // A dropped cluster is said, then the map is fed again.
    cluster_->couper();
    QTRY_VERIFY(carte()->Label_etat->text().startsWith(QStringLiteral("Cluster non connecté")));
    QTRY_COMPARE(cluster_->connexions, 2);
    QTRY_VERIFY(carte()->Label_etat->text().startsWith(QStringLiteral("Cluster connecté")));
}

void TestCarteFenetre::reglages_du_cluster() {
    m()->RadioManipulateur1->trigger();
    TForm_radio* f = banc_->programme->Form_radio();
    QCOMPARE(f->Edit_cluster_hote->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(f->Edit_cluster_indicatif->placeholderText(), QStringLiteral("F5XYZ"));
    f->CheckBox_cw_seulement->setChecked(true);
    f->Edit_cluster_indicatif->setText(QStringLiteral("f5xyz-2"));
    f->BitBtn_OK->click();
    const ReglagesCluster lu =
        lire_reglages_cluster(banc_->chemin(QStringLiteral("cfg/Challenge_VRK.ini")));
    QVERIFY(lu.cw_seulement);
    QCOMPARE(lu.indicatif, QStringLiteral("F5XYZ-2"));
    QCOMPARE(lu.port, cluster_->port());
    // The map opened now logs in as the settings say and leaves the SSB spot out.
    m()->CarteBandes1->trigger();
    QTRY_COMPARE(cluster_->recus.value(0), QByteArray("F5XYZ-2"));
    QVERIFY(cellule(QStringLiteral("40m"), QStringLiteral("DL1AA")) != nullptr);
    QCOMPARE(carte()->carte().spots_bande(QStringLiteral("20m")).size(), 2);
}

QTEST_MAIN(TestCarteFenetre)
#include "tst_carte_fenetre.moc"
