#include "geometrie_ecran.h"

#include <algorithm>

namespace vorek {

namespace {

QRect cadre_stocke(const Geometrie& g, const QMargins& cadre) {
    return QRect(g.gauche, g.haut, std::max(g.largeur, 0) + cadre.left() + cadre.right(),
                 std::max(g.hauteur, 0) + cadre.top() + cadre.bottom());
}

qint64 aire(const QRect& r) {
    return r.isValid() ? qint64(r.width()) * r.height() : 0;
}

QRect zone_de(const QRect& fenetre, const QList<QRect>& zones) {
    QRect choisie = zones.first();
    qint64 meilleure = 0;
    for (const QRect& zone : zones) {
        const qint64 commune = aire(zone.intersected(fenetre));
        if (commune > meilleure) {
            meilleure = commune;
            choisie = zone;
        }
    }
    return choisie;
}

// The inside length along one axis: the stored one, at least the minimum, at most what the
// screen leaves once the frame is counted.
int longueur(int stockee, int minimum, int place) {
    return std::max(std::min(std::max(stockee, minimum), place), 1);
}

// The frame's start along one axis: unchanged when it fits, otherwise moved back onto the
// screen, its start winning when the frame is longer than the screen.
int debut(int stocke, int longueur_cadre, int zone_debut, int zone_longueur) {
    const int dernier = zone_debut + zone_longueur - longueur_cadre;
    return std::max(std::min(stocke, dernier), zone_debut);
}

} // namespace

Geometrie ajuster_geometrie(const Geometrie& stockee, const QList<QRect>& zones,
                            const QMargins& cadre, const QSize& minimum) {
    if (zones.isEmpty()) {
        return stockee;
    }
    const QRect zone = zone_de(cadre_stocke(stockee, cadre), zones);
    const int bords_x = cadre.left() + cadre.right();
    const int bords_y = cadre.top() + cadre.bottom();
    Geometrie g;
    g.largeur = longueur(stockee.largeur, minimum.width(), zone.width() - bords_x);
    g.hauteur = longueur(stockee.hauteur, minimum.height(), zone.height() - bords_y);
    g.gauche = debut(stockee.gauche, g.largeur + bords_x, zone.left(), zone.width());
    g.haut = debut(stockee.haut, g.hauteur + bords_y, zone.top(), zone.height());
    return g;
}

Geometrie a_cote(const QRect& principale, const QSize& taille, const QList<QRect>& zones,
                 const QMargins& cadre, const QRect& a_laisser_voir, int largeur_minimum) {
    const int bords = cadre.left() + cadre.right();
    const int largeur_cadre = taille.width() + bords;
    Geometrie g{taille.width(), principale.top(), principale.right() + 1, taille.height()};
    if (zones.isEmpty()) {
        return g;
    }
    const QRect zone = zone_de(principale, zones);
    if (principale.right() + largeur_cadre <= zone.right()) {
        return g;
    }
    if (principale.left() - largeur_cadre >= zone.left()) {
        g.gauche = principale.left() - largeur_cadre;
        return g;
    }
    g.gauche = zone.right() + 1 - largeur_cadre;
    const QRect contre_le_bord(g.gauche, g.haut, largeur_cadre, taille.height());
    const int apres_le_champ = zone.right() - a_laisser_voir.right() - bords;
    if (contre_le_bord.intersects(a_laisser_voir) && !a_laisser_voir.isEmpty() &&
        apres_le_champ >= std::max(largeur_minimum, 1)) {
        // Narrowed between the field and the screen's edge.
        g.gauche = a_laisser_voir.right() + 1;
        g.largeur = apres_le_champ;
    }
    return g;
}

} // namespace vorek
