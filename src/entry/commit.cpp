#include "saisie.h"

#include "textes_saisie.h"

#include "base/dates.h"
#include "base/dialogues.h"
#include "base/erreur.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "rules/textes_regles.h"

#include <algorithm>

namespace vorek {

// The row under correction, or 0 to append. A correction row that no longer names a
// row before the free one (the rows moved since) would overwrite another QSO or the
// free row itself: the entry is appended instead.
int EntreeQSO::ligne_corrigee() const {
    const int ligne = etat_.ligne_editee;
    if (!etat_.fichier_modifie || ligne < 1 || ligne >= etat_.ligne_suivante ||
        ligne >= etat_.table.nb_lignes()) {
        return 0;
    }
    return ligne;
}

IssueCommit EntreeQSO::verifier(int ligne_haute) {
    const QString indicatif = Edit_call.trimmed();
    const double jour = vers_jours(DateTimePicker_date);
    const TableJournal& table = etat_.table;
    try {
        for (int r = ligne_haute; r >= 1; --r) {
            if (table.cellule(col_indicatif, r) == indicatif &&
                lire_date(table.cellule(col_date, r)) == jour) {
                dialogues_.message(TypeMessage::avertissement, textes::remarque_meme_jour());
                return IssueCommit::meme_jour;
            }
        }
    } catch (const Erreur& e) {
        dialogues_.message(TypeMessage::erreur, e.message());
        return IssueCommit::date_illisible;
    }
    if (Edit_RSTS.size() != 3) {
        dialogues_.message(TypeMessage::avertissement, textes::report_envoye_incorrect());
        focus = Champ::Edit_RSTS;
        return IssueCommit::report_envoye;
    }
    if (Edit_RSTR.size() != 3) {
        dialogues_.message(TypeMessage::avertissement, textes::report_recu_incorrect());
        focus = Champ::Edit_RSTR;
        return IssueCommit::report_recu;
    }
    return IssueCommit::enregistre;
}

void EntreeQSO::ecrire_ligne(int ligne) {
    TableJournal& table = etat_.table;
    bande_courante = bande_selectionnee();
    table.fixer_cellule(col_indicatif, ligne, Edit_call.trimmed());
    table.fixer_cellule(col_date, ligne, texte_date(vers_jours(DateTimePicker_date)));
    table.fixer_cellule(col_heure, ligne,
                        DateTimePicker_time.toString(QStringLiteral("hh:mm")).left(5));
    table.fixer_cellule(col_bande, ligne, bande_courante);
    table.fixer_cellule(col_rst_env, ligne, Edit_RSTS.trimmed());
    table.fixer_cellule(col_rst_recu, ligne, Edit_RSTR.trimmed());
    table.fixer_cellule(col_ztc, ligne, Edit_NrZTC.trimmed());
    table.fixer_cellule(col_nom, ligne, Edit_nomZTC.trimmed());
    table.fixer_cellule(col_notes, ligne, Edit_Notes.trimmed());
}

IssueCommit EntreeQSO::enregistrer_QSO() {
    IssueCommit issue = IssueCommit::saisie_vide;
    if (Edit_call.isEmpty()) {
        dialogues_.message(TypeMessage::erreur, textes::saisie_insuffisante());
    } else {
        const int corrigee = ligne_corrigee();
        issue = verifier(corrigee > 0 ? corrigee - 1 : etat_.ligne_suivante - 1);
        if (issue != IssueCommit::enregistre) {
            return issue;
        }
        int ligne = corrigee;
        if (ligne == 0) {
            ligne = etat_.ligne_suivante++;
            etat_.table.fixer_nb_lignes(std::max(etat_.table.nb_lignes() + 1, ligne + 2));
        }
        ecrire_ligne(ligne);
        vider_champs();
        etat_.fichier_modifie = false;
        finir_correction();
    }
    focus = Champ::Edit_call;
    vider_Grille_prec();
    try {
        sauver_fichier(etat_, etat_.fichier_courant);
    } catch (const Erreur& e) {
        dialogues_.message(TypeMessage::erreur, e.message());
        return IssueCommit::sauvegarde_echouee;
    }
    return issue;
}

Libelles EntreeQSO::BitBtn_validerClick() {
    libelles = {};
    if (enregistrer_QSO() == IssueCommit::date_illisible) {
        return libelles;
    }
    if (!recalculer_score(etat_, referentiel_, dialogues_, bande_selectionnee(),
                          annee_courante())) {
        return libelles;
    }
    libelles.Label_score = texte_score(etat_.score_total);
    libelles.Label_nbrQSO = QString::number(compter_QSO(etat_.table));
    libelles.titre = titre_principal(etat_);
    Edit_Pays.clear();
    Edit_continent.clear();
    return libelles;
}

Libelles EntreeQSO::BitBtn_calculClick() {
    libelles = {};
    if (!recalculer_score(etat_, referentiel_, dialogues_, bande_selectionnee(),
                          annee_courante())) {
        return libelles;
    }
    libelles.Label_score = texte_score(etat_.score_total);
    libelles.Label_nbrQSO = QString::number(compter_QSO(etat_.table));
    libelles.titre = titre_principal(etat_);
    return libelles;
}

} // namespace vorek
