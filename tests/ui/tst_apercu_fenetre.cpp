#include "banc_programme.h"
#include "ui/panneau_saisie.h"
#include "ui/tform_main.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace vorek;

// The preview and the partial check of the main window, typed letter by letter on a fixed
// clock during the contest (14/07/2025 10:00 local, 09:00 UTC).
class TestApercuFenetre : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { banc_.reset(); }
    void frappe_lettre_a_lettre();

  private:
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    // The partial check's items as shown.
    QStringList partiels() const;
    QColor couleur_apercu() const {
        return m()->Label_apercu->palette().color(QPalette::WindowText);
    }
    std::unique_ptr<BancProgramme> banc_;
};

void TestApercuFenetre::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->horloge.regler(QDateTime(QDate(2025, 7, 14), QTime(10, 0)));
    banc_->serveur_absent();
    banc_->ecrire_references(
        {QStringLiteral("F,France,F,EU,227")},
        {QStringLiteral("F5ABC,123,Jean DUPONT,Paris"), QStringLiteral("F5ABD,124,Luc MOREL,Metz"),
         QStringLiteral("TF5AB,9,Ice,Reykjavik"), QStringLiteral("F6XYZ,456,Marie MARTIN,Lyon")});
    banc_->demarrer_sans_mise_a_jour();
    banc_->creer_challenge(QStringLiteral("F1AAA"), banc_->travail(QStringLiteral("ete.VRK")));
    QVERIFY(QTest::qWaitForWindowActive(m()->fenetre));
    QCOMPARE(focus(), m()->Edit_call);
}

QStringList TestApercuFenetre::partiels() const {
    QStringList textes;
    for (int r = 0; r < m()->Liste_partiel->count(); ++r) {
        textes.append(m()->Liste_partiel->item(r)->text());
    }
    return textes;
}

void TestApercuFenetre::frappe_lettre_a_lettre() {
    const QColor rouge(255, 0, 0);
    const QString nm = QStringLiteral("Points : 0 NM car non à jour");
    const QStringList f5ab{"1 F5ABC 123", "2 F5ABD 124", "3 TF5AB 9"};
    struct Etape {
        char lettre;
        QString apercu;
        QStringList liste;
    };
    const Etape etapes[] = {{'f', nm, {}},
                            {'5', nm, f5ab},
                            {'a', nm, f5ab},
                            {'b', nm, f5ab},
                            {'c', QStringLiteral("Points : 3"), {"1 F5ABC 123"}}};
    // Each key is one entry event: the field read once, the entry shown back once.
    QSignalSpy evenements(m()->panneau, &PanneauSaisie::saisie_traitee);
    for (const Etape& e : etapes) {
        evenements.clear();
        QTest::keyClick(m()->Edit_call, e.lettre);
        QCOMPARE(evenements.count(), 1);
        QCOMPARE(m()->fenetre->entree().Edit_call, m()->Edit_call->text());
        QCOMPARE(m()->Label_apercu->text(), e.apercu);
        QCOMPARE(couleur_apercu(), e.lettre == 'c' ? QColor(0, 128, 0) : rouge);
        QCOMPARE(partiels(), e.liste);
        QCOMPARE(focus(), m()->Edit_call);
    }
    // The band changes what the QSO would score.
    m()->ComboBox_band->setCurrentText(QStringLiteral("20m"));
    QCOMPARE(m()->Label_apercu->text(), QStringLiteral("Points : 4"));
    m()->Edit_call->setFocus();
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
    QVERIFY(m()->Label_apercu->text().isEmpty());
    QCOMPARE(m()->Liste_partiel->count(), 0);

    // Worked today on this band: marked, in red, and the preview says the commit refuses it.
    QTest::keyClicks(m()->Edit_call, QStringLiteral("5AB"));
    QCOMPARE(partiels(), (QStringList{"1 F5ABC 123 JB", "2 F5ABD 124", "3 TF5AB 9"}));
    QCOMPARE(m()->Liste_partiel->item(0)->foreground().color(), rouge);
    // As painted: the red call in red, the others not.
    QCoreApplication::processEvents();
    const QImage image = m()->Liste_partiel->viewport()->grab().toImage();
    const auto rouges = [&](int rang) {
        const QRect zone = m()->Liste_partiel->visualItemRect(m()->Liste_partiel->item(rang));
        int n = 0;
        for (int y = zone.top(); y <= zone.bottom(); ++y) {
            for (int x = zone.left(); x <= zone.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.red() > 200 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
            }
        }
        return n;
    };
    QVERIFY(rouges(0) > 10);
    QCOMPARE(rouges(1), 0);
    QTest::keyClick(m()->fenetre, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("F5ABD"));
    QCOMPARE(m()->Edit_NrZTC->text(), QStringLiteral("124"));
    QCOMPARE(m()->Label_apercu->text(), QStringLiteral("Points : 4"));
    // The list now holds the call chosen alone; back to the fragment, then a click.
    m()->Edit_call->clear();
    QTest::keyClicks(m()->Edit_call, QStringLiteral("5AB"));
    const QListWidget* liste = m()->Liste_partiel;
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(0)).center());
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("F5ABC"));
    QCOMPARE(m()->Label_apercu->text(),
             QStringLiteral("Points : 0 >>>>>>>  Déjà QSO le même jour !  <<<<<<<<"));
    QCOMPARE(focus(), m()->Edit_call);
    QCOMPARE(m()->Edit_call->cursorPosition(), 5);
}

QTEST_MAIN(TestApercuFenetre)
#include "tst_apercu_fenetre.moc"
