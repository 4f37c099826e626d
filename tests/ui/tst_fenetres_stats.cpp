#include "banc_programme.h"
#include "journal_rempli.h"

#include "log/fichier_challenge.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"
#include "ui/tform_statistiques.h"
#include "ui/tform_verification.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

using namespace vorek;

// The statistics and the report check, opened from the main window's menu.
class TestFenetresStats : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { banc_.reset(); }
    void statistiques_suivent_chaque_rescoring();
    void verification_mene_au_qso();
    void verification_suit_le_journal();
    void graphique_d_un_jour();

  private:
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    template <typename T> T* fenetre(const char* nom) const {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String(nom)) {
                return qobject_cast<T*>(w);
            }
        }
        return nullptr;
    }
    std::unique_ptr<BancProgramme> banc_;
};

void TestFenetresStats::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->serveur_absent();
    banc_->ecrire_references({QStringLiteral("F,France,F,EU,227")},
                             {QStringLiteral("F5ABC,123,Jean DUPONT,Paris"),
                              QStringLiteral("F6XYZ,456,Anne MARTIN,Brest")});
    banc_->demarrer_sans_mise_a_jour();
    Etat journal;
    journal.fixer_rep_programme(banc_->prog());
    journal.station.station_call = QStringLiteral("F5ABC");
    const QString s = QStringLiteral("599");
    remplir_journal(journal, {{"02/07/2025", "10:00", "F6XYZ", "40m", s, s},
                              {"03/07/2025", "11:30", "F6XYZ", "20m", s, s},
                              {"04/07/2025", "12:00", "X1XX", "20m", s, s}});
    sauver_fichier(journal, QStringLiteral("ete.VRK"));
    banc_->charger_challenge(banc_->travail(QStringLiteral("ete.VRK")));
    QVERIFY(m()->fenetre->isVisible());
}

void TestFenetresStats::statistiques_suivent_chaque_rescoring() {
    m()->AfficherStatistiques1->trigger();
    auto* s = fenetre<TForm_statistiques>("Form_statistiques");
    QVERIFY(s && s->isVisible());
    QTableWidget* grille = s->Grille_stats;
    const auto total_qso = [grille] {
        for (int c = 0; c < grille->columnCount(); ++c) {
            if (grille->horizontalHeaderItem(c)->text() == QStringLiteral("Total QSO")) {
                return grille->item(grille->rowCount() - 1, c)->text();
            }
        }
        return QString();
    };
    QCOMPARE(grille->rowCount(), 4);
    QCOMPARE(total_qso(), QStringLiteral("3"));
    QVERIFY(s->Label_resume->text().startsWith(QStringLiteral("Membres contactés : 1")));
    QCOMPARE(s->Graphique_horaire->chart()->series().size(), 2);
    QCOMPARE(s->Graphique_bandes->chart()->series().size(), 1);

    // A commit (real time: 15/03/2025 09:00 UTC) rescores; the open window follows.
    m()->Edit_call->setFocus();
    QTest::keyClicks(m()->Edit_call, QStringLiteral("F5ABC"));
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
    QCOMPARE(compter_QSO(banc_->etat->table), 4);
    QCOMPARE(grille->rowCount(), 5);
    QCOMPARE(grille->item(0, 0)->text(), QStringLiteral("15/03/2025"));
    QCOMPARE(total_qso(), QStringLiteral("4"));
    QVERIFY(s->Label_resume->text().contains(QStringLiteral("QSO dans l'heure en cours : 1")));

    const QString png = banc_->travail(QStringLiteral("stats.png"));
    banc_->dialogues.prevoir_fichier(png);
    s->BitBtn_png->click();
    QCOMPARE(QImage(png).size(), QSize(1200, 900));
    QVERIFY(banc_->dialogues.messages.isEmpty());
    QVERIFY2(s->Label_png->text().contains(QDir::toNativeSeparators(png)),
             qPrintable(s->Label_png->text()));
}

// The rate plot of the day chosen, hour by hour; the choice outlives a rescoring.
void TestFenetresStats::graphique_d_un_jour() {
    m()->AfficherStatistiques1->trigger();
    auto* s = fenetre<TForm_statistiques>("Form_statistiques");
    QComboBox* jours = s->ComboBox_jour;
    QCOMPARE(jours->count(), 4);
    QCOMPARE(jours->itemText(2), QStringLiteral("03/07/2025"));
    const auto categories = [s] {
        const auto axes = s->Graphique_horaire->chart()->axes(Qt::Horizontal);
        return qobject_cast<QBarCategoryAxis*>(axes.value(0))->categories();
    };
    QCOMPARE(categories(), QStringList({"02/07", "03/07", "04/07"}));
    jours->setCurrentIndex(2);
    QCOMPARE(categories().size(), 24);
    QVERIFY(s->Graphique_horaire->chart()->title().contains(QStringLiteral("03/07/2025")));
    m()->BitBtn_calcul->click();
    QCOMPARE(s->jour_choisi(), QDate(2025, 7, 3));
    QCOMPARE(categories().size(), 24);
    s->BitBtn_fermer->click();
    QVERIFY(!s->isVisible());
}

void TestFenetresStats::verification_mene_au_qso() {
    m()->VerifierCR1->trigger();
    auto* v = fenetre<TForm_verification>("Form_verification");
    QVERIFY(v && v->isVisible());
    QVERIFY(QFile::exists(banc_->travail(QStringLiteral("ete.LOG"))));
    QStringList textes;
    QListWidgetItem* non_membre = nullptr;
    for (int i = 0; i < v->Liste_constats->count(); ++i) {
        QListWidgetItem* element = v->Liste_constats->item(i);
        textes.append(element->text());
        if (element->data(Qt::UserRole).toInt() == 3) {
            non_membre = element;
        }
    }
    QCOMPARE(textes, QStringList({
                         "Compte rendu — NOM_VIDE : Nom de l'opérateur absent de l'en-tête (NAME)",
                         "Compte rendu — ADRESSE_VIDE : Première ligne d'adresse vide (ADDRESS)",
                         "Compte rendu — ADRESSE_VIDE : Deuxième ligne d'adresse vide (ADDRESS)",
                         "Ligne 3 — ZERO_POINT : 0 point : NM car non à jour",
                         "Compte rendu — EMAIL_ABSENT : Adresse e-mail de la station absente",
                     }));
    QVERIFY(v->Label_resultat->text().startsWith(QStringLiteral("5 remarques")));

    QVERIFY(non_membre);
    m()->Grille->setCurrentIndex(banc_->etat->table.index_cellule(0, 1));
    const QPoint point = v->Liste_constats->visualItemRect(non_membre).center();
    QTest::mouseClick(v->Liste_constats->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(v->Liste_constats->viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(TableJournal::ligne_de(m()->Grille->currentIndex()), 3);
    // A finding of the whole report leads nowhere.
    QTest::mouseDClick(v->Liste_constats->viewport(), Qt::LeftButton, {},
                       v->Liste_constats->visualItemRect(v->Liste_constats->item(0)).center());
    QCOMPARE(TableJournal::ligne_de(m()->Grille->currentIndex()), 3);
}

// The check runs again as the log changes under it: a deleted row's finding goes, and an
// emptied log is a finding of its own. Nothing of it comes in a box.
void TestFenetresStats::verification_suit_le_journal() {
    m()->VerifierCR1->trigger();
    auto* v = fenetre<TForm_verification>("Form_verification");
    const auto lignes_citees = [v] {
        QList<int> lignes;
        for (int i = 0; i < v->Liste_constats->count(); ++i) {
            lignes.append(v->Liste_constats->item(i)->data(Qt::UserRole).toInt());
        }
        return lignes;
    };
    QVERIFY(lignes_citees().contains(3));
    for (int ligne : {3, 1, 1}) {
        m()->Grille->setCurrentIndex(banc_->etat->table.index_cellule(2, ligne));
        banc_->dialogues.prevoir_reponse(Reponse::oui);
        m()->BitBtn_effacer->click();
    }
    QCOMPARE(compter_QSO(banc_->etat->table), 0);
    QTRY_VERIFY(v->Liste_constats->count() > 0 &&
                v->Liste_constats->item(v->Liste_constats->count() - 1)
                    ->text()
                    .contains(QStringLiteral("EMAIL_ABSENT")) &&
                !lignes_citees().contains(3));
    QStringList textes;
    for (int i = 0; i < v->Liste_constats->count(); ++i) {
        textes.append(v->Liste_constats->item(i)->text());
    }
    QVERIFY2(textes.contains(QStringLiteral("Compte rendu — JOURNAL_VIDE : Le journal ne contient "
                                            "aucun QSO")),
             qPrintable(textes.join(QLatin1Char('\n'))));
    QVERIFY(banc_->dialogues.messages.isEmpty());
}

QTEST_MAIN(TestFenetresStats)
#include "tst_fenetres_stats.moc"
