#include "parametres_fenetres.h"

#include "app/geometrie_ecran.h"
#include "base/dialogues.h"
#include "base/erreur.h"
#include "log/etat.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QWidget>

namespace vorek {

namespace {

Geometrie geometrie(const QWidget* fenetre) {
    return {fenetre->width(), fenetre->y(), fenetre->x(), fenetre->height()};
}

// The available areas (task bars left out), the primary screen first.
QList<QRect> zones_ecrans() {
    QList<QRect> zones;
    QScreen* primaire = QGuiApplication::primaryScreen();
    if (primaire != nullptr) {
        zones.append(primaire->availableGeometry());
    }
    for (const QScreen* ecran : QGuiApplication::screens()) {
        if (ecran != primaire) {
            zones.append(ecran->availableGeometry());
        }
    }
    return zones;
}

// What the window manager adds around the window: known once it is shown, otherwise a
// generous guess (a title bar of two text lines), so that its lowest buttons stay in reach.
QMargins cadre(const QWidget* fenetre) {
    const QRect dedans = fenetre->geometry();
    const QRect dehors = fenetre->frameGeometry();
    if (fenetre->isVisible() && dehors != dedans) {
        return {dedans.left() - dehors.left(), dedans.top() - dehors.top(),
                dehors.right() - dedans.right(), dehors.bottom() - dedans.bottom()};
    }
    constexpr int bord = 4;
    return {bord, 2 * QFontMetrics(QApplication::font()).height() + bord, bord, bord};
}

void placer(QWidget* fenetre, const Geometrie& g) {
    const Geometrie a =
        ajuster_geometrie(g, zones_ecrans(), cadre(fenetre), fenetre->minimumSizeHint());
    fenetre->move(a.gauche, a.haut);
    fenetre->resize(a.largeur, a.hauteur);
}

void retenir(PlaceRetenue* place, const std::optional<Geometrie>& stockee) {
    if (place != nullptr) {
        place->stockee = stockee;
    }
}

std::optional<Geometrie> a_ecrire(const PlaceRetenue* place) {
    return place != nullptr ? place_a_ecrire(*place) : std::nullopt;
}

} // namespace

void placer_retenue(PlaceRetenue& place, const QWidget* principale, const QRect& a_laisser_voir) {
    QWidget* fenetre = place.fenetre;
    if (!place.placee) {
        place.placee = true;
        if (place.stockee) {
            placer(fenetre, *place.stockee);
            return;
        }
        const QSize taille = fenetre->size().expandedTo(fenetre->minimumSizeHint());
        placer(fenetre, a_cote(principale->frameGeometry(), taille, zones_ecrans(), cadre(fenetre),
                               a_laisser_voir, fenetre->minimumSizeHint().width()));
        return;
    }
    ajuster_a_l_ecran(fenetre);
}

std::optional<Geometrie> place_a_ecrire(const PlaceRetenue& place) {
    if (place.placee && place.fenetre != nullptr) {
        return geometrie(place.fenetre);
    }
    return place.stockee;
}

void ajuster_a_l_ecran(QWidget* fenetre) {
    placer(fenetre, geometrie(fenetre));
}

Parametres lire_parametres_fenetres(const FenetresParametres& fenetres, Etat& etat) {
    TableJournal& table = etat.table;
    const Parametres p = lire_parametres(chemin_parametres(etat), table.nb_colonnes());
    placer(fenetres.form_main, p.form_main);
    placer(fenetres.form_infos, p.form_infos);
    placer(fenetres.form_choix_ADIF, p.form_choix_ADIF);
    retenir(fenetres.form_infoCR, p.form_infoCR);
    retenir(fenetres.form_statistiques, p.form_statistiques);
    retenir(fenetres.form_verification, p.form_verification);
    if (p.largeurs_enregistrees) {
        for (int col = 0; col < p.largeurs_colonnes.size(); ++col) {
            table.fixer_largeur(col, p.largeurs_colonnes[col]);
        }
    }
    return p;
}

bool ecrire_parametres_fenetres(const FenetresParametres& fenetres, const Etat& etat,
                                const QString& bande, const ReglagesSmtp& smtp,
                                Dialogues& dialogues) {
    Parametres p;
    p.form_main = geometrie(fenetres.form_main);
    p.form_infos = geometrie(fenetres.form_infos);
    p.form_choix_ADIF = geometrie(fenetres.form_choix_ADIF);
    p.form_infoCR = a_ecrire(fenetres.form_infoCR);
    p.form_statistiques = a_ecrire(fenetres.form_statistiques);
    p.form_verification = a_ecrire(fenetres.form_verification);
    p.largeurs_colonnes = etat.table.largeurs();
    p.email = etat.station.email_saisi;
    if (!etat.fichier_courant.isEmpty()) {
        p.dernier_fichier =
            QFileInfo(chemin_dans_challenge(etat, etat.fichier_courant)).absoluteFilePath();
    }
    p.derniere_bande = bande;
    p.smtp = smtp;
    try {
        ecrire_parametres(chemin_parametres(etat), p);
        return true;
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
}

} // namespace vorek
