#include "tform_statistiques.h"

#include "base/erreur.h"
#include "stats/graphiques/graphiques.h"
#include "stats/tableau_stats.h"
#include "stats/textes_stats.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vorek {

namespace {

// The hourly counts move with the clock even when the log does not.
constexpr int rafraichissement_ms = 60 * 1000;

QChartView* vue_graphique(QWidget* parent, const char* nom) {
    auto* vue = new QChartView(parent);
    vue->setObjectName(QString::fromLatin1(nom));
    vue->setRenderHint(QPainter::Antialiasing);
    return vue;
}

void remplacer_graphique(QChartView* vue, QChart* graphique) {
    QChart* ancien = vue->chart();
    vue->setChart(graphique);
    delete ancien;
}

} // namespace

TForm_statistiques::TForm_statistiques(Contexte& contexte)
    : QWidget(nullptr, Qt::Window), contexte_(contexte) {
    setObjectName(QStringLiteral("Form_statistiques"));
    setWindowTitle(textes_stats::titre_statistiques());
    construire();
    resize(1000, 650);
    minute_ = new QTimer(this);
    minute_->setInterval(rafraichissement_ms);
    connect(minute_, &QTimer::timeout, this, &TForm_statistiques::rafraichir);
    connect(&contexte_.etat.annonces, &Annonces::score_recalcule, this, [this] {
        if (isVisible()) {
            rafraichir();
        }
    });
}

void TForm_statistiques::construire() {
    Onglets = new QTabWidget(this);
    Onglets->setObjectName(QStringLiteral("Onglets"));
    Grille_stats = new QTableWidget(Onglets);
    Grille_stats->setObjectName(QStringLiteral("Grille_stats"));
    Grille_stats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille_stats->verticalHeader()->hide();
    Graphique_horaire = vue_graphique(Onglets, "Graphique_horaire");
    Graphique_bandes = vue_graphique(Onglets, "Graphique_bandes");
    Onglets->addTab(Grille_stats, textes_stats::onglet_tableau());
    Onglets->addTab(Graphique_horaire, textes_stats::titre_horaire());
    Onglets->addTab(Graphique_bandes, textes_stats::titre_bandes());
    Label_resume = new QLabel(this);
    Label_resume->setObjectName(QStringLiteral("Label_resume"));
    BitBtn_png = new QPushButton(textes_stats::bouton_png(), this);
    BitBtn_png->setObjectName(QStringLiteral("BitBtn_png"));

    auto* bas = new QHBoxLayout;
    bas->addWidget(Label_resume, 1);
    bas->addWidget(BitBtn_png);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Onglets, 1);
    colonne->addLayout(bas);
    connect(BitBtn_png, &QPushButton::clicked, this, &TForm_statistiques::BitBtn_pngClick);
}

void TForm_statistiques::rafraichir() {
    stats_ = calculer_statistiques(contexte_.etat, contexte_.horloge.maintenant_utc());
    afficher_tableau();
    QStringList resume;
    for (const auto& [libelle, valeur] : resume_statistiques(stats_)) {
        resume.append(libelle + QStringLiteral(" : ") + QString::number(valeur));
    }
    Label_resume->setText(resume.join(QStringLiteral("    ")));
    remplacer_graphique(Graphique_horaire, graphique_horaire(stats_));
    remplacer_graphique(Graphique_bandes, graphique_bandes(stats_));
}

void TForm_statistiques::afficher_tableau() {
    const QList<QStringList> tableau = tableau_statistiques(stats_);
    Grille_stats->clear();
    Grille_stats->setColumnCount(int(tableau.first().size()));
    Grille_stats->setRowCount(int(tableau.size()) - 1);
    Grille_stats->setHorizontalHeaderLabels(tableau.first());
    for (int r = 1; r < tableau.size(); ++r) {
        for (int c = 0; c < tableau[r].size(); ++c) {
            auto* case_tableau = new QTableWidgetItem(tableau[r][c]);
            if (c > 0) {
                case_tableau->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            Grille_stats->setItem(r - 1, c, case_tableau);
        }
    }
    Grille_stats->resizeColumnsToContents();
}

void TForm_statistiques::BitBtn_pngClick() {
    const QString chemin = contexte_.dialogues.fichier_a_enregistrer(
        {textes_stats::titre_demande_png(), textes_stats::filtre_png(), QStringLiteral("png"),
         contexte_.etat.rep_challenge, textes_stats::nom_png()});
    if (chemin.isEmpty()) {
        return;
    }
    try {
        enregistrer_png(stats_, chemin);
    } catch (const Erreur& e) {
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
    }
}

void TForm_statistiques::showEvent(QShowEvent* evenement) {
    rafraichir();
    minute_->start();
    QWidget::showEvent(evenement);
}

void TForm_statistiques::hideEvent(QHideEvent* evenement) {
    minute_->stop();
    QWidget::hideEvent(evenement);
}

} // namespace vorek
