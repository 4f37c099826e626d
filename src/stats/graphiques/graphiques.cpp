#include "graphiques.h"

#include "stats/serie_horaire.h"
#include "stats/statistiques.h"
#include "stats/textes_stats.h"

#include "base/erreur.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>

namespace vorek {

namespace {

// The share of the image the hourly plot takes, the band plot having the rest.
constexpr double part_horaire = 0.6;

QChart* nouveau_graphique(const QString& titre) {
    auto* graphique = new QChart;
    graphique->setTitle(titre);
    graphique->setAnimationOptions(QChart::NoAnimation);
    graphique->legend()->setAlignment(Qt::AlignBottom);
    return graphique;
}

// Counts and points are whole numbers: the axis goes up by 1, 2 or 5 times a power of ten,
// in at most five steps, so that every label is a whole number.
QValueAxis* axe_valeurs(QChart* graphique, Qt::Alignment cote, int maximum) {
    int pas = 1;
    for (int puissance = 1; pas * 5 < maximum; puissance *= 10) {
        for (const int facteur : {1, 2, 5}) {
            pas = facteur * puissance;
            if (pas * 5 >= maximum) {
                break;
            }
        }
    }
    const int haut = std::max(1, (maximum + pas - 1) / pas);
    auto* axe = new QValueAxis;
    axe->setRange(0, haut * pas);
    axe->setTickCount(haut + 1);
    axe->setLabelFormat(QStringLiteral("%d"));
    graphique->addAxis(axe, cote);
    return axe;
}

int plus_grand(const QList<int>& valeurs) {
    return valeurs.isEmpty() ? 0 : *std::max_element(valeurs.begin(), valeurs.end());
}

void dessiner(QChart* graphique, QPainter& peintre, const QRectF& cible) {
    QGraphicsScene scene; // owns the chart from here
    scene.addItem(graphique);
    graphique->resize(cible.size());
    scene.setSceneRect(QRectF(QPointF(0, 0), cible.size()));
    scene.render(&peintre, cible, scene.sceneRect());
}

} // namespace

QChart* graphique_horaire(const Statistiques& stats, const QDate& jour) {
    const SerieHoraire serie = serie_horaire(stats, jour);
    QChart* graphique = nouveau_graphique(jour.isValid() ? textes_stats::titre_horaire_du_jour(jour)
                                                         : textes_stats::titre_par_jour());
    auto* barres = new QBarSet(jour.isValid() ? textes_stats::serie_qso_heure()
                                              : textes_stats::serie_qso_jour());
    for (const int qso : serie.qso) {
        barres->append(qso);
    }
    auto* serie_barres = new QBarSeries;
    serie_barres->setBarWidth(0.8);
    serie_barres->append(barres);
    auto* score = new QLineSeries;
    score->setName(textes_stats::serie_score_cumule());
    for (qsizetype i = 0; i < serie.score.size(); ++i) {
        score->append(double(i), serie.score[i]);
    }
    graphique->addSeries(serie_barres);
    graphique->addSeries(score);
    auto* categories = new QBarCategoryAxis;
    categories->append(serie.categories);
    categories->setTitleText(jour.isValid() ? textes_stats::axe_heures()
                                            : textes_stats::axe_jours());
    graphique->addAxis(categories, Qt::AlignBottom);
    serie_barres->attachAxis(categories);
    score->attachAxis(categories);
    serie_barres->attachAxis(axe_valeurs(graphique, Qt::AlignLeft, plus_grand(serie.qso)));
    score->attachAxis(axe_valeurs(graphique, Qt::AlignRight, plus_grand(serie.score)));
    return graphique;
}

QChart* graphique_bandes(const Statistiques& stats) {
    QChart* graphique = nouveau_graphique(textes_stats::titre_bandes());
    auto* points = new QBarSet(textes_stats::serie_points());
    QStringList noms;
    QList<int> valeurs;
    for (qsizetype b = 0; b < stats.bandes.size(); ++b) {
        noms.append(stats.bandes[b].isEmpty() ? textes_stats::sans_bande() : stats.bandes[b]);
        valeurs.append(stats.total_par_bande[b].points);
        points->append(valeurs.last());
    }
    auto* serie = new QBarSeries;
    serie->append(points);
    serie->setLabelsVisible(true);
    graphique->addSeries(serie);
    auto* axe_bandes = new QBarCategoryAxis;
    axe_bandes->append(noms);
    graphique->addAxis(axe_bandes, Qt::AlignBottom);
    serie->attachAxis(axe_bandes);
    serie->attachAxis(axe_valeurs(graphique, Qt::AlignLeft, plus_grand(valeurs)));
    return graphique;
}

QImage image_graphiques(const Statistiques& stats, const QDate& jour, QSize taille) {
    QImage image(taille, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    const double hauteur_horaire = taille.height() * part_horaire;
    dessiner(graphique_horaire(stats, jour), peintre,
             QRectF(0, 0, taille.width(), hauteur_horaire));
    dessiner(graphique_bandes(stats), peintre,
             QRectF(0, hauteur_horaire, taille.width(), taille.height() - hauteur_horaire));
    return image;
}

void enregistrer_png(const Statistiques& stats, const QString& chemin, const QDate& jour) {
    if (!image_graphiques(stats, jour).save(chemin, "PNG")) {
        throw Erreur(textes_stats::image_non_ecrite(chemin));
    }
}

} // namespace vorek
