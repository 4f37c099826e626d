#include "banc_programme.h"
#include "pairs_radio.h"

#include "rig/reglages_rig.h"
#include "ui/fenetre_aide.h"
#include "ui/radio_principale.h"
#include "ui/tform_main.h"
#include "ui/tform_radio.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

using namespace vorek;
using namespace std::chrono_literals;

// The main window with a radio behind rigctld and cwdaemon's place held by a UDP peer: the
// band combo and the status area follow the rig, the entry panel's keys key the CW.
class TestRadioFenetre : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(rigctld_.lancer()); }
    void init();
    void cleanup() { banc_.reset(); }
    void sans_radio_rien_ne_change();
    void bande_suivie_data();
    void bande_suivie();
    void correction_garde_sa_bande();
    void touches_du_manipulateur();
    void perte_et_retour_de_la_radio();
    void fenetre_des_reglages();

  private:
    // The program started with these settings, a log created for F5ABC (member 123).
    void demarrer(const QStringList& ini);
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    RadioPrincipale& radio() const { return m()->fenetre->radio(); }
    // The rig tuned, once the window shows it.
    void regler(qint64 hz, const QByteArray& mode = "CW");
    bool aide_visible() const {
        const FenetreAide* aide = m()->fenetre->findChild<FenetreAide*>();
        return aide != nullptr && aide->isVisible();
    }
    bool orange(const QLabel* label) const {
        return label->palette().color(QPalette::WindowText) == QColor(230, 110, 0);
    }
    QStringList ini_reseau() const {
        return {QStringLiteral("[Radio]"),
                QStringLiteral("Modele=2"),
                QStringLiteral("Port=") + rigctld_.adresse(),
                QStringLiteral("[Manipulateur]"),
                QStringLiteral("Type=cwdaemon"),
                QStringLiteral("Hote=127.0.0.1"),
                QStringLiteral("Port=%1").arg(udp_->port())};
    }

    Rigctld rigctld_;
    std::unique_ptr<EcouteUdp> udp_;
    std::unique_ptr<BancProgramme> banc_;
};

void TestRadioFenetre::init() {
    udp_ = std::make_unique<EcouteUdp>();
    banc_ = std::make_unique<BancProgramme>();
    banc_->horloge.regler(QDateTime(QDate(2025, 7, 14), QTime(10, 0)));
    banc_->intervalles_radio = {30ms, 100ms, 200ms};
    banc_->serveur_absent();
    banc_->ecrire_references({QStringLiteral("F,France,F,EU,227")},
                             {QStringLiteral("F5ABC,123,Jean DUPONT,Paris")});
}

void TestRadioFenetre::demarrer(const QStringList& ini) {
    if (!ini.isEmpty()) {
        banc_->ecrire(QStringLiteral("cfg/Challenge_VRK.ini"), ini);
    }
    banc_->demarrer_sans_mise_a_jour();
    banc_->creer_challenge(QStringLiteral("F5ABC"), banc_->travail(QStringLiteral("ete.VRK")));
    QVERIFY(QTest::qWaitForWindowActive(m()->fenetre));
    QCOMPARE(banc_->etat->station.station_nr_club, QStringLiteral("123"));
}

void TestRadioFenetre::regler(qint64 hz, const QByteArray& mode) {
    QCOMPARE(rigctld_.commande("M " + mode + " 0"), QByteArray("RPRT 0"));
    QCOMPARE(rigctld_.commande("F " + QByteArray::number(hz)), QByteArray("RPRT 0"));
    QTRY_COMPARE(radio().Label_radio->text(), texte_frequence(hz));
    QTRY_COMPARE(radio().Label_mode->text(), QString::fromLatin1(mode));
}

void TestRadioFenetre::sans_radio_rien_ne_change() {
    demarrer({});
    QVERIFY(!m()->fenetre->statusBar()->isVisible());
    QVERIFY(!radio().suivi().actif());
    QCOMPARE(radio().manipulateur(), nullptr);
    QTest::keyClicks(m()->Edit_call, QStringLiteral("DL1XYZ"));
    for (Qt::Key touche : {Qt::Key_F2, Qt::Key_PageUp}) {
        QTest::keyClick(m()->Edit_call, touche);
    }
    QCOMPARE(udp_->recus(0), QByteArrayList());
    // F1 is the help's.
    QTest::keyClick(m()->Edit_call, Qt::Key_F1);
    QTRY_VERIFY(aide_visible());
}

void TestRadioFenetre::bande_suivie_data() {
    QTest::addColumn<qint64>("hz");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("bande"); // the combo's band; the one before for none
    QTest::newRow("bas du 20m") << qint64(14'000'000) << QByteArray("CW") << "20m";
    QTest::newRow("haut du 20m en USB") << qint64(14'350'000) << QByteArray("USB") << "20m";
    QTest::newRow("au-dessus du 20m") << qint64(14'350'001) << QByteArray("CW") << "";
    QTest::newRow("sous le 160m") << qint64(1'809'999) << QByteArray("CW") << "";
    QTest::newRow("haut du 23cm") << qint64(1'300'000'000) << QByteArray("CWR") << "23cm";
}

void TestRadioFenetre::bande_suivie() {
    QFETCH(qint64, hz);
    QFETCH(QByteArray, mode);
    QFETCH(QString, bande);
    demarrer(ini_reseau());
    QVERIFY(m()->fenetre->statusBar()->isVisible());
    regler(3'500'000);
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("80m"));
    m()->Edit_call->setFocus();
    QTest::keyClicks(m()->Edit_call, QStringLiteral("F6A"));

    regler(hz, mode);
    const QString attendue = bande.isEmpty() ? QStringLiteral("80m") : bande;
    QTRY_COMPARE(m()->ComboBox_band->currentText(), attendue);
    const int colonne = m()->ComboBox_band->currentIndex();
    QVERIFY(m()->fenetre->entree().cellule_HF_marquee(colonne, 1));
    QCOMPARE(m()->fenetre->entree().bande_courante, attendue);
    QCOMPARE(orange(radio().Label_radio), bande.isEmpty());
    QCOMPARE(orange(radio().Label_mode), !mode.startsWith("CW"));
    // Typing goes on where it was.
    QCOMPARE(QApplication::focusWidget(), m()->Edit_call);
    QTest::keyClicks(m()->Edit_call, QStringLiteral("BC"));
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("F6ABC"));
}

void TestRadioFenetre::correction_garde_sa_bande() {
    demarrer(ini_reseau());
    regler(7'010'000);
    QTRY_COMPARE(m()->ComboBox_band->currentText(), QStringLiteral("40m"));
    QTest::keyClicks(m()->Edit_call, QStringLiteral("F6XYZ"));
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
    QCOMPARE(banc_->etat->table.cellule(col_bande, 1), QStringLiteral("40m"));
    regler(14'010'000);
    QTRY_COMPARE(m()->ComboBox_band->currentText(), QStringLiteral("20m"));

    const auto corriger_ligne_1 = [this] {
        m()->Grille->setCurrentIndex(banc_->etat->table.index_cellule(col_bande, 1));
        emit m()->Grille->doubleClicked(m()->Grille->currentIndex());
        QVERIFY(banc_->etat->fichier_modifie);
        QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("40m"));
    };
    // A correction abandoned gives the rig's band back to the next QSO...
    corriger_ligne_1();
    m()->BitBtn_efface_saisie->click();
    QTRY_COMPARE(m()->ComboBox_band->currentText(), QStringLiteral("20m"));
    // ...and the rig moving on during a correction leaves the corrected QSO its band.
    corriger_ligne_1();
    regler(21'010'000);
    QTest::qWait(100);
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("40m"));
    m()->BitBtn_efface_saisie->click();
    QTRY_COMPARE(m()->ComboBox_band->currentText(), QStringLiteral("15m"));
    QCOMPARE(m()->fenetre->entree().bande_courante, QStringLiteral("15m"));
}

void TestRadioFenetre::touches_du_manipulateur() {
    demarrer(ini_reseau());
    QLabel* message = radio().Label_message;
    QCOMPARE(udp_->recus(1), QByteArrayList{"\x1b"
                                            "224"});
    QCOMPARE(radio().Label_manipulateur->text(),
             QStringLiteral("Manipulateur cwdaemon (non vérifié), 24 mots/min"));
    QWidget* call = m()->Edit_call;
    QTest::keyClick(call, Qt::Key_F2);
    QCOMPARE(message->text(),
             QStringLiteral("Message non envoyé : le champ « Indicatif » est vide"));
    QTest::keyClicks(call, QStringLiteral("dl1xyz"));
    QTest::keyClick(call, Qt::Key_F2);
    QCOMPARE(udp_->recus(2), (QByteArrayList{"\x1bh1", "DL1XYZ 599 123"}));
    QCOMPARE(message->text(), QStringLiteral("CW : DL1XYZ 599 123"));
    udp_->repondre("h1");
    QTRY_COMPARE(radio().Label_manipulateur->text(),
                 QStringLiteral("Manipulateur cwdaemon (vérifié), 24 mots/min"));
    QCOMPARE(message->text(), QString());

    // Escape stops what is being sent, and only that.
    QTest::keyClick(m()->Edit_RSTS, Qt::Key_F1);
    QCOMPARE(udp_->recus(2), (QByteArrayList{"\x1bh2", "CQ TEST F5ABC F5ABC TEST"}));
    QTest::keyClick(m()->Edit_RSTS, Qt::Key_Escape);
    QCOMPARE(udp_->recus(1), QByteArrayList{"\x1b"
                                            "4"});
    QCOMPARE(message->text(), QString());
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("DL1XYZ"));
    QVERIFY(!aide_visible());
    // Idle, Escape is the entry's own again.
    QTest::keyClick(m()->Edit_RSTS, Qt::Key_Escape);
    QCOMPARE(udp_->recus(0), QByteArrayList());
    QCOMPARE(m()->Edit_call->text(), QString());
    QTest::keyClicks(call, QStringLiteral("dl1xyz"));

    // Two words per minute a key, kept for the next start.
    const QString bande = m()->ComboBox_band->currentText();
    QTest::keyClick(call, Qt::Key_PageUp);
    QTest::keyClick(m()->ComboBox_band, Qt::Key_PageDown);
    QTest::keyClick(m()->ComboBox_band, Qt::Key_PageDown);
    QCOMPARE(udp_->recus(3), (QByteArrayList{"\x1b"
                                             "226",
                                             "\x1b"
                                             "224",
                                             "\x1b"
                                             "222"}));
    QCOMPARE(radio().Label_manipulateur->text(),
             QStringLiteral("Manipulateur cwdaemon (vérifié), 22 mots/min"));
    QCOMPARE(m()->ComboBox_band->currentText(), bande);
    QCOMPARE(
        lire_reglages_rig(banc_->chemin(QStringLiteral("cfg/Challenge_VRK.ini"))).manipulateur.wpm,
        22);
}

void TestRadioFenetre::perte_et_retour_de_la_radio() {
    Rigctld propre;
    QVERIFY(propre.lancer());
    QStringList ini = ini_reseau();
    ini[2] = QStringLiteral("Port=") + propre.adresse();
    demarrer(ini);
    QTRY_COMPARE(radio().Label_radio->text(), QStringLiteral("145 000,00 kHz"));
    propre.tuer();
    QTRY_COMPARE(radio().Label_radio->text(), QStringLiteral("Radio non connectée"));
    // Why, in French: Hamlib's own English stays out of the window.
    QVERIFY2(!radio().Label_message->text().isEmpty() &&
                 !radio().Label_message->text().contains(QStringLiteral("(Hamlib : ")),
             qPrintable(radio().Label_message->text()));
    // Logged by hand meanwhile.
    QTest::keyClicks(m()->Edit_call, QStringLiteral("F6XYZ"));
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
    QCOMPARE(banc_->etat->table.cellule(col_indicatif, 1), QStringLiteral("F6XYZ"));
    QVERIFY(propre.lancer());
    QTRY_COMPARE(radio().Label_radio->text(), QStringLiteral("145 000,00 kHz"));
    QCOMPARE(radio().Label_radio->toolTip(), QString());
    QCOMPARE(radio().Label_message->text(), QString());
}

void TestRadioFenetre::fenetre_des_reglages() {
    demarrer(ini_reseau());
    m()->RadioManipulateur1->trigger();
    TForm_radio* f = banc_->programme->Form_radio();
    QVERIFY(f != nullptr && f->isVisible());
    QCOMPARE(f->ListBox_modeles->currentItem()->text(), QStringLiteral("Hamlib NET rigctl (2)"));
    QCOMPARE(f->Edit_port->text(), rigctld_.adresse());
    QCOMPARE(f->Label_port->text(), QStringLiteral("Adresse (hôte:port) :"));
    QVERIFY(f->bouton_manipulateur(QStringLiteral("cwdaemon"))->isChecked());
    QCOMPARE(f->Edit_messages[1]->text(), QStringLiteral("{IND} {RST} {NUM}"));

    QTest::keyClicks(f->Edit_recherche, QStringLiteral("dummy (1)"));
    QCOMPARE(f->ListBox_modeles->count(), 2);
    QCOMPARE(f->ListBox_modeles->item(0)->text(), QStringLiteral("Aucune radio"));
    f->ListBox_modeles->setCurrentRow(1);
    QCOMPARE(f->Label_modele->text(), QStringLiteral("Modèle choisi : Hamlib Dummy (1)"));
    f->Edit_port->clear();
    f->Edit_adresse_manipulateur->setText(QStringLiteral("shack:99999"));
    f->Edit_messages[0]->setText(QStringLiteral("CQ ZTC {MOI}"));
    f->BitBtn_OK->click();
    QCOMPARE(banc_->dialogues.textes(),
             QStringList{"Adresse de cwdaemon incorrecte : « shack:99999 » (hôte:port attendu)"});
    QVERIFY(f->isVisible());
    QCOMPARE(lire_reglages_rig(banc_->chemin(QStringLiteral("cfg/Challenge_VRK.ini"))).radio.modele,
             2);

    f->Edit_adresse_manipulateur->setText(udp_->adresse());
    f->BitBtn_OK->click();
    QVERIFY(!f->isVisible());
    const ReglagesRig lus =
        lire_reglages_rig(banc_->chemin(QStringLiteral("cfg/Challenge_VRK.ini")));
    QCOMPARE(lus.radio, (ReglagesRadio{1, QString(), 0}));
    QCOMPARE(lus.messages[0], QStringLiteral("CQ ZTC {MOI}"));
    // The link restarted on the dummy rig in the program.
    QTRY_COMPARE(radio().Label_radio->text(), QStringLiteral("145 000,00 kHz"));
    QTRY_COMPARE(m()->ComboBox_band->currentText(), QStringLiteral("2m"));
    udp_->recus(1);
    QTest::keyClick(m()->Edit_call, Qt::Key_F1);
    QCOMPARE(udp_->recus(2), (QByteArrayList{"\x1bh1", "CQ ZTC F5ABC"}));

    // No radio, no keyer: the status area goes, and the keys are the entry's again.
    m()->RadioManipulateur1->trigger();
    f->ListBox_modeles->setCurrentRow(0);
    f->bouton_manipulateur(QStringLiteral("aucun"))->setChecked(true);
    // Escape is "Annuler": nothing changes.
    QTRY_VERIFY(f->isActiveWindow());
    QTest::keyClick(f->Edit_recherche, Qt::Key_Escape);
    QTRY_VERIFY(!f->isVisible()); // a button's shortcut clicks it a moment later
    QVERIFY(radio().suivi().actif());
    m()->RadioManipulateur1->trigger();
    f->ListBox_modeles->setCurrentRow(0);
    f->bouton_manipulateur(QStringLiteral("aucun"))->setChecked(true);
    f->BitBtn_OK->click();
    QVERIFY(!m()->fenetre->statusBar()->isVisible());
    QVERIFY(!radio().suivi().actif());
    QTest::keyClick(m()->Edit_call, Qt::Key_F1);
    QCOMPARE(udp_->recus(0), QByteArrayList());
}

QTEST_MAIN(TestRadioFenetre)
#include "tst_radio_fenetre.moc"
