// Every window on the screen it runs on: the test is registered once per screen (size, scale
// factor), and each case starts the real program with the system's font or a large one,
// with the stored places of a first start or of a bigger screen that is gone.

#include "banc_programme.h"
#include "ui/tform_choix_adif.h"
#include "ui/tform_infocr.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QAction>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace vorek;

namespace {

QString nom(const QWidget* w) {
    const QString texte = w->property("text").toString();
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName()) +
           (texte.isEmpty() ? QString() : QStringLiteral(" \"") + texte + QLatin1Char('"'));
}

// The widgets a layout places, through its nested layouts.
void places_par(const QLayout* disposition, QList<QWidget*>& widgets) {
    for (int i = 0; i < disposition->count(); ++i) {
        QLayoutItem* element = disposition->itemAt(i);
        if (element->widget() != nullptr) {
            if (!element->widget()->isHidden()) {
                widgets.append(element->widget());
            }
        } else if (element->layout() != nullptr) {
            places_par(element->layout(), widgets);
        }
    }
}

// What the operator would see wrong in one window: a control outside its parent, two
// controls over each other, a control squeezed below the size its text needs, the window's
// frame off the screen's available area.
QStringList defauts(QWidget* fenetre) {
    QStringList d;
    const QRect ecran = fenetre->screen()->availableGeometry();
    if (!ecran.contains(fenetre->frameGeometry())) {
        d << nom(fenetre) + QStringLiteral(" hors de l'écran");
    }
    QList<QWidget*> parents{fenetre};
    parents.append(fenetre->findChildren<QWidget*>());
    for (const QWidget* parent : parents) {
        if (!parent->isVisible() || parent->layout() == nullptr) {
            continue;
        }
        QList<QWidget*> enfants;
        places_par(parent->layout(), enfants);
        for (int i = 0; i < enfants.size(); ++i) {
            const QWidget* w = enfants[i];
            if (!parent->rect().contains(w->geometry())) {
                d << nom(w) + QStringLiteral(" sort de ") + nom(parent);
            }
            // A size the window fixes itself is its own choice; otherwise the control's.
            const QSize minimum =
                w->minimumSize().isNull() ? w->minimumSizeHint() : w->minimumSize();
            if (minimum.isValid() &&
                (w->width() < minimum.width() || w->height() < minimum.height())) {
                d << nom(w) + QStringLiteral(" coupé");
            }
            for (int j = i + 1; j < enfants.size(); ++j) {
                if (w->geometry().intersects(enfants[j]->geometry())) {
                    d << nom(w) + QStringLiteral(" sur ") + nom(enfants[j]);
                }
            }
        }
    }
    return d;
}

QStringList montrer_et_verifier(QWidget* fenetre) {
    fenetre->show();
    if (!QTest::qWaitForWindowExposed(fenetre)) {
        return {nom(fenetre) + QStringLiteral(" jamais montrée")};
    }
    QCoreApplication::processEvents();
    return defauts(fenetre);
}

// The band labels whole, in whatever font stands in for the one asked.
QStringList bandes_coupees(const QTableWidget* bandes) {
    QStringList d;
    const QHeaderView* entetes = bandes->horizontalHeader();
    const QFontMetrics mesures = entetes->fontMetrics();
    for (int col = 0; col < bandes->columnCount(); ++col) {
        const QString texte = bandes->horizontalHeaderItem(col)->text();
        if (entetes->sectionSize(col) < mesures.horizontalAdvance(texte) + 4 ||
            entetes->height() < mesures.height()) {
            d << texte;
        }
    }
    return d;
}

// A QSO's cells whole in a first start's columns (column index, text).
QStringList cellules_coupees(const QTableView* vue, const QList<std::pair<int, QString>>& qso) {
    QStringList d;
    // The margins a cell's text keeps on each side before it is elided.
    const int marges =
        2 * (vue->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, vue) + 1);
    for (const auto& [col, texte] : qso) {
        if (vue->horizontalHeader()->sectionSize(col) <
            vue->fontMetrics().horizontalAdvance(texte) + marges) {
            d << vue->objectName() + QStringLiteral(" coupe ") + texte;
        }
    }
    return d;
}

} // namespace

class TestDisposition : public QObject {
    Q_OBJECT

  private slots:
    void fenetres_sur_l_ecran_data();
    void fenetres_sur_l_ecran();
};

void TestDisposition::fenetres_sur_l_ecran_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("reglages");
    const QStringList premier_demarrage;
    // Stored on a 1920x1200 screen beside a second one that has been unplugged since.
    const QStringList autre_ecran{QStringLiteral("[Windows]"),
                                  QStringLiteral("Form_mainW=1600"),
                                  QStringLiteral("Form_mainH=1000"),
                                  QStringLiteral("Form_mainL=200"),
                                  QStringLiteral("Form_mainT=150"),
                                  QStringLiteral("Form_infosW=700"),
                                  QStringLiteral("Form_infosH=650"),
                                  QStringLiteral("Form_infosL=2500"),
                                  QStringLiteral("Form_infosT=1400"),
                                  QStringLiteral("Form_choix_ADIFW=370"),
                                  QStringLiteral("Form_choix_ADIFH=140"),
                                  QStringLiteral("Form_choix_ADIFL=-500"),
                                  QStringLiteral("Form_choix_ADIFT=-300")};
    QTest::newRow("police du système") << 0 << premier_demarrage;
    QTest::newRow("police du système, autre écran") << 0 << autre_ecran;
    QTest::newRow("grande police") << 12 << premier_demarrage;
    QTest::newRow("grande police, autre écran") << 12 << autre_ecran;
}

void TestDisposition::fenetres_sur_l_ecran() {
    QFETCH(int, points);
    QFETCH(QStringList, reglages);
    const QFont police_systeme = QApplication::font();
    if (points > 0) {
        QFont grande = police_systeme;
        grande.setPointSize(points);
        QApplication::setFont(grande);
    }
    BancProgramme banc;
    banc.serveur_absent();
    if (!reglages.isEmpty()) {
        banc.ecrire(QStringLiteral("cfg/Challenge_VRK.ini"), reglages);
    }
    banc.demarrer();
    banc.creer_challenge(QStringLiteral("F5ABC"), banc.travail(QStringLiteral("ete.VRK")));
    const Programme& c = *banc.programme;
    const ControlesPrincipale* m = banc.controles_principale();
    QStringList d = montrer_et_verifier(c.Form_Infos());
    d << montrer_et_verifier(c.Form_main());
    d << bandes_coupees(m->StringGrid_HF);
    d << cellules_coupees(m->Grille, {{0, QStringLiteral("15/07/2025")},
                                      {1, QStringLiteral("10:00")},
                                      {2, QStringLiteral("F5ABC/P")},
                                      {3, QStringLiteral("70cm")},
                                      {8, QStringLiteral("Marie MARTIN")}});
    d << cellules_coupees(m->Grille_prec, {{0, QStringLiteral("F5ABC/P")},
                                           {1, QStringLiteral("15/07/2025")},
                                           {2, QStringLiteral("10:00")},
                                           {3, QStringLiteral("40m")}});
    m->BitBtn_ADIF->click();
    d << montrer_et_verifier(c.Form_choix_ADIF());
    // The windows shown beside the main one leave its call field in sight.
    const QWidget* indicatif = m->Edit_call;
    const QRect champ(indicatif->mapToGlobal(QPoint()), indicatif->size());
    m->Info_CR->click();
    m->AfficherStatistiques1->trigger();
    m->VerifierCR1->trigger();
    for (const char* nom_fenetre : {"Form_infoCR", "Form_statistiques", "Form_verification"}) {
        QWidget* fenetre = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            fenetre = w->objectName() == QLatin1String(nom_fenetre) ? w : fenetre;
        }
        QVERIFY(fenetre);
        d << montrer_et_verifier(fenetre);
        if (fenetre->frameGeometry().intersects(champ)) {
            d << nom(fenetre) + QStringLiteral(" sur l'indicatif");
        }
    }
    m->SpeedButton1->click();
    QWidget* aide = c.Form_main()->findChild<QWidget*>(QStringLiteral("Fenetre_aide"));
    QVERIFY(aide);
    d << montrer_et_verifier(aide);
    banc.attente.ouvrir(QStringLiteral("ZTC_mini_2021.csv"));
    d << montrer_et_verifier(banc.attente.fenetre());
    banc.attente.fermer();
    QApplication::setFont(police_systeme);
    QVERIFY2(d.isEmpty(), qPrintable(d.join(QStringLiteral("\n"))));
    QVERIFY(banc.dialogues.messages.isEmpty());
}

QTEST_MAIN(TestDisposition)
#include "tst_disposition.moc"
