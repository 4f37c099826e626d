#include "tform_statistiques.h"

#include "base/erreur.h"
#include "stats/graphiques/graphiques.h"
#include "stats/serie_horaire.h"
#include "stats/tableau_stats.h"
#include "stats/textes_stats.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
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
    Graphique_bandes = vue_graphique(Onglets, "Graphique_bandes");
    Onglets->addTab(Grille_stats, textes_stats::onglet_tableau());
    Onglets->addTab(construire_onglet_horaire(), textes_stats::titre_horaire());
    Onglets->addTab(Graphique_bandes, textes_stats::titre_bandes());
    Label_resume = new QLabel(this);
    Label_resume->setObjectName(QStringLiteral("Label_resume"));
    Label_resume->setWordWrap(true);
    Label_png = new QLabel(this);
    Label_png->setObjectName(QStringLiteral("Label_png"));
    Label_png->setWordWrap(true);
    Label_png->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BitBtn_png = new QPushButton(textes_stats::bouton_png(), this);
    BitBtn_png->setObjectName(QStringLiteral("BitBtn_png"));
    BitBtn_fermer = new QPushButton(textes_stats::bouton_fermer(), this);
    BitBtn_fermer->setObjectName(QStringLiteral("BitBtn_fermer"));

    auto* bas = new QHBoxLayout;
    bas->addWidget(Label_png, 1);
    bas->addWidget(BitBtn_png);
    bas->addWidget(BitBtn_fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Onglets, 1);
    colonne->addWidget(Label_resume);
    colonne->addLayout(bas);
    connect(BitBtn_png, &QPushButton::clicked, this, &TForm_statistiques::BitBtn_pngClick);
    connect(BitBtn_fermer, &QPushButton::clicked, this, &QWidget::close);
}

QWidget* TForm_statistiques::construire_onglet_horaire() {
    auto* onglet = new QWidget(Onglets);
    Label_jour = new QLabel(textes_stats::libelle_jour(), onglet);
    ComboBox_jour = new QComboBox(onglet);
    ComboBox_jour->setObjectName(QStringLiteral("ComboBox_jour"));
    ComboBox_jour->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Label_jour->setBuddy(ComboBox_jour);
    Graphique_horaire = vue_graphique(onglet, "Graphique_horaire");
    auto* choix = new QHBoxLayout;
    choix->addWidget(Label_jour);
    choix->addWidget(ComboBox_jour);
    choix->addStretch(1);
    auto* colonne = new QVBoxLayout(onglet);
    colonne->addLayout(choix);
    colonne->addWidget(Graphique_horaire, 1);
    connect(ComboBox_jour, &QComboBox::currentIndexChanged, this,
            &TForm_statistiques::ComboBox_jourChange);
    return onglet;
}

void TForm_statistiques::rafraichir() {
    stats_ = calculer_statistiques(contexte_.etat, contexte_.horloge.maintenant_utc());
    afficher_tableau();
    QStringList resume;
    for (const auto& [libelle, valeur] : resume_statistiques(stats_)) {
        resume.append(libelle + QStringLiteral(" : ") + QString::number(valeur));
    }
    Label_resume->setText(resume.join(QStringLiteral("    ")));
    remplir_jours();
    remplacer_graphique(Graphique_horaire, graphique_horaire(stats_, jour_choisi()));
    remplacer_graphique(Graphique_bandes, graphique_bandes(stats_));
}

void TForm_statistiques::remplir_jours() {
    const QDate choisi = jour_choisi();
    const QSignalBlocker bloque(ComboBox_jour);
    ComboBox_jour->clear();
    ComboBox_jour->addItem(textes_stats::tous_les_jours(), QDate());
    for (const QDate& jour : jours_avec_qso(stats_)) {
        ComboBox_jour->addItem(jour.toString(QStringLiteral("dd/MM/yyyy")), jour);
    }
    ComboBox_jour->setCurrentIndex(std::max(0, ComboBox_jour->findData(choisi)));
}

QDate TForm_statistiques::jour_choisi() const {
    return ComboBox_jour->currentData().toDate();
}

void TForm_statistiques::ComboBox_jourChange() {
    remplacer_graphique(Graphique_horaire, graphique_horaire(stats_, jour_choisi()));
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
        enregistrer_png(stats_, chemin, jour_choisi());
    } catch (const Erreur& e) {
        Label_png->clear();
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
        return;
    }
    Label_png->setText(textes_stats::image_enregistree(
        QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath())));
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
