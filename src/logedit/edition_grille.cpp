#include "edition_grille.h"

#include "base/dates.h"
#include "base/dialogues.h"
#include "base/erreur.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "rules/bandes.h"
#include "rules/score.h"

namespace vorek {

QString question_effacement(const TableJournal& table, int ligne) {
    const QString indicatif = table.cellule(col_indicatif, ligne).trimmed();
    const QString date = table.cellule(col_date, ligne).trimmed();
    const QString heure = table.cellule(col_heure, ligne).trimmed();
    QString qso = indicatif.isEmpty() ? QStringLiteral("(sans indicatif)") : indicatif;
    if (!date.isEmpty()) {
        qso += QStringLiteral(" le ") + date;
    }
    if (!heure.isEmpty()) {
        qso += QStringLiteral(" à ") + heure;
    }
    return QStringLiteral("Voulez-vous réellement supprimer ce QSO ?\r\r") + qso;
}

bool transferer_ligne(EntreeQSO& entree, int ligne) {
    Etat& etat = entree.etat();
    const TableJournal& table = etat.table;
    double jour = 0;
    double heure = 0;
    if (ligne < 1 || ligne >= table.nb_lignes() ||
        !essayer_date(table.cellule(col_date, ligne), jour) ||
        !essayer_heure(table.cellule(col_heure, ligne), heure)) {
        return false;
    }
    etat.fichier_modifie = true;
    etat.ligne_editee = ligne;
    entree.commencer_correction();
    entree.Edit_Pays.clear();
    entree.Edit_continent.clear();
    entree.Edit_callChange(table.cellule(col_indicatif, ligne));
    entree.DateTimePicker_date = depuis_jours(jour).date();
    entree.DateTimePicker_time = depuis_jours(heure).time();
    entree.Edit_RSTS = table.cellule(col_rst_env, ligne);
    entree.Edit_RSTR = table.cellule(col_rst_recu, ligne);
    entree.Edit_NrZTC = table.cellule(col_ztc, ligne);
    entree.Edit_nomZTC = table.cellule(col_nom, ligne);
    // The operator corrects the note; the rescoring after the commit adds the remark again.
    entree.Edit_Notes = note_operateur(table.cellule(col_notes, ligne));
    // The band grid's mark follows the band taken, or goes when the row's band is no item.
    entree.choisir_bande(int(bandes().indexOf(table.cellule(col_bande, ligne))));
    if (entree.index_bande >= 0) {
        entree.bande_courante = entree.bande_selectionnee();
    }
    entree.focus = Champ::Edit_call;
    return true;
}

void inserer_ligne(EntreeQSO& entree, int ligne) {
    Etat& etat = entree.etat();
    if (ligne < 1 || ligne >= etat.table.nb_lignes()) {
        return;
    }
    etat.table.inserer_ligne(ligne);
    etat.fichier_modifie = true;
    etat.ligne_editee = ligne;
    ++etat.ligne_suivante;
    entree.focus = Champ::Edit_call;
}

namespace {

Libelles libelles_grille(const Etat& etat) {
    Libelles libelles;
    libelles.Label_score = texte_score(etat.score_total);
    libelles.Label_nbrQSO = QString::number(compter_QSO(etat.table));
    return libelles;
}

bool recalculer(EntreeQSO& entree) {
    return recalculer_score(entree.etat(), entree.referentiel(), entree.dialogues(),
                            entree.bande_selectionnee(), entree.annee_courante());
}

void supprimer(Etat& etat, int ligne) {
    etat.table.supprimer_ligne(ligne);
    etat.ligne_suivante = std::max(etat.ligne_suivante - 1, 1);
    // A correction waiting below the deleted row has moved up with it.
    if (etat.fichier_modifie && etat.ligne_editee == ligne) {
        etat.fichier_modifie = false;
    } else if (etat.ligne_editee > ligne) {
        --etat.ligne_editee;
    }
}

} // namespace

ResultatEffacement effacer_ligne(EntreeQSO& entree, int ligne) {
    Etat& etat = entree.etat();
    ResultatEffacement resultat;
    resultat.ligne_courante = ligne;
    if (ligne < 1 || ligne >= etat.table.nb_lignes() - 1) {
        return resultat;
    }
    if (entree.dialogues().confirmer(question_effacement(etat.table, ligne))) {
        supprimer(etat, ligne);
        resultat.supprimee = true;
        resultat.colonne_courante = col_indicatif;
    }
    if (!recalculer(entree)) {
        return resultat;
    }
    resultat.libelles = libelles_grille(etat);
    resultat.libelles.titre = titre_principal(etat);
    try {
        sauver_fichier(etat, etat.fichier_courant);
    } catch (const Erreur& e) {
        entree.dialogues().message(TypeMessage::erreur, e.message());
    }
    return resultat;
}

Libelles quitter_grille(EntreeQSO& entree) {
    if (!recalculer(entree)) {
        return {};
    }
    return libelles_grille(entree.etat());
}

StyleCellule style_cellule(int colonne, int ligne, bool selectionnee) {
    StyleCellule style;
    style.fond_aqua = ligne > 0 && ligne % 2 == 0 && !selectionnee;
    if (ligne > 0 && colonne == col_indicatif) {
        style.texte = {255, 0, 0};
    } else if (ligne > 0 && colonne == col_points) {
        style.texte = {0, 128, 0};
    }
    return style;
}

} // namespace vorek
