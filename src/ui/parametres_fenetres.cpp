#include "parametres_fenetres.h"

#include "app/parametres.h"
#include "base/erreur.h"
#include "contexte.h"
#include "tform_choix_adif.h"
#include "tform_infos.h"
#include "tform_main.h"

#include <QLineEdit>

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

void lire_parametres_fenetres(Contexte& contexte) {
    TableJournal& table = contexte.etat.table;
    const Parametres p = lire_parametres(chemin_parametres(contexte.etat), table.nb_colonnes());
    placer(contexte.Form_main, p.form_main);
    placer(contexte.Form_Infos, p.form_infos);
    placer(contexte.Form_choix_ADIF, p.form_choix_ADIF);
    for (int col = 0; col < p.largeurs_colonnes.size(); ++col) {
        table.fixer_largeur(col, p.largeurs_colonnes[col]);
    }
    contexte.Form_Infos->Edit_email->setText(p.email);
}

bool ecrire_parametres_fenetres(Contexte& contexte) {
    Parametres p;
    p.form_main = geometrie(contexte.Form_main);
    p.form_infos = geometrie(contexte.Form_Infos);
    p.form_choix_ADIF = geometrie(contexte.Form_choix_ADIF);
    p.largeurs_colonnes = contexte.etat.table.largeurs();
    p.email = contexte.Form_Infos->Edit_email->text();
    try {
        ecrire_parametres(chemin_parametres(contexte.etat), p);
        return true;
    } catch (const Erreur& e) {
        contexte.dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
}

} // namespace vorek
