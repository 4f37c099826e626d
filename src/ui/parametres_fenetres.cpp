#include "parametres_fenetres.h"

#include "base/dialogues.h"
#include "base/erreur.h"
#include "log/etat.h"

#include <QWidget>

namespace vorek {

namespace {

Geometrie geometrie(const QWidget* fenetre) {
    return {fenetre->width(), fenetre->y(), fenetre->x(), fenetre->height()};
}

void placer(QWidget* fenetre, const Geometrie& g) {
    fenetre->move(g.gauche, g.haut);
    fenetre->resize(g.largeur, g.hauteur);
}

} // namespace

Parametres lire_parametres_fenetres(const FenetresParametres& fenetres, Etat& etat) {
    TableJournal& table = etat.table;
    const Parametres p = lire_parametres(chemin_parametres(etat), table.nb_colonnes());
    placer(fenetres.form_main, p.form_main);
    placer(fenetres.form_infos, p.form_infos);
    placer(fenetres.form_choix_ADIF, p.form_choix_ADIF);
    for (int col = 0; col < p.largeurs_colonnes.size(); ++col) {
        table.fixer_largeur(col, p.largeurs_colonnes[col]);
    }
    return p;
}

bool ecrire_parametres_fenetres(const FenetresParametres& fenetres, const Etat& etat,
                                const ReglagesSmtp& smtp, Dialogues& dialogues) {
    Parametres p;
    p.form_main = geometrie(fenetres.form_main);
    p.form_infos = geometrie(fenetres.form_infos);
    p.form_choix_ADIF = geometrie(fenetres.form_choix_ADIF);
    p.largeurs_colonnes = etat.table.largeurs();
    p.email = etat.station.email_saisi;
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
