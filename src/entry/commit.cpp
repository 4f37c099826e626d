#include "saisie.h"

#include "index_journal.h"
#include "textes_saisie.h"

#include "base/dates.h"
#include "base/dialogues.h"
#include "base/erreur.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "rules/indicatif.h"
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

// The rows of the call above ligne_haute, from the nearest: the first of them on the
// entry's day refuses the commit, whatever its points; a date that does not read on the way
// stops it with the conversion text.
bool EntreeQSO::refus_meme_jour(const QString& indicatif, int ligne_haute, double jour) const {
    const std::vector<int>& lignes = index_->lignes_indicatif(indicatif);
    for (auto r = std::upper_bound(lignes.begin(), lignes.end(), ligne_haute);
         r != lignes.begin();) {
        --r;
        const std::optional<double> date = index_->jour(*r);
        if ((date ? *date : lire_date(etat_.table.cellule(col_date, *r))) == jour) {
            return true;
        }
    }
    return false;
}

IssueCommit EntreeQSO::verifier(int ligne_haute) {
    if (indicatif_avec_blanc(Edit_call)) {
        dialogues_.message(TypeMessage::avertissement, refus_indicatif_avec_blanc(Edit_call, 0));
        focus = Champ::Edit_call;
        return IssueCommit::indicatif_avec_blanc;
    }
    try {
        if (refus_meme_jour(Edit_call.trimmed(), ligne_haute, vers_jours(DateTimePicker_date))) {
            dialogues_.message(TypeMessage::avertissement, textes::remarque_meme_jour());
            return IssueCommit::meme_jour;
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

CellulesQSO EntreeQSO::cellules_commit() const {
    CellulesQSO qso;
    qso.indicatif = Edit_call.trimmed();
    qso.date = texte_date(vers_jours(DateTimePicker_date));
    qso.heure = DateTimePicker_time.toString(QStringLiteral("hh:mm")).left(5);
    qso.bande = bande_selectionnee();
    qso.rst_envoye = Edit_RSTS.trimmed();
    qso.rst_recu = Edit_RSTR.trimmed();
    qso.ztc = Edit_NrZTC.trimmed();
    qso.nom = Edit_nomZTC.trimmed();
    qso.notes = Edit_Notes.trimmed();
    return qso;
}

void EntreeQSO::ecrire_ligne(int ligne) {
    bande_courante = bande_selectionnee();
    // The row's points and any cells past the notes stay as they are.
    CellulesQSO qso = cellules_commit();
    const CellulesQSO ecrite = CellulesQSO::de_la_ligne(etat_.table, ligne);
    qso.points = ecrite.points;
    qso.suite = ecrite.suite;
    qso.nb_cellules = ecrite.nb_cellules;
    qso.ecrire(etat_.table, ligne);
}

IssueCommit EntreeQSO::ecrire_QSO() {
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
    return issue;
}

IssueCommit EntreeQSO::enregistrer_QSO() {
    libelles = {};
    if (etat_.temps_reel) {
        // The pickers may lag (the clock stopped by another window): the QSO is now.
        lire_horloge_utc();
    }
    const IssueCommit issue = ecrire_QSO();
    if (issue == IssueCommit::date_illisible) {
        return issue;
    }
    // The file then holds the row with its points and remark, as the grid shows it.
    libelles = recalculer();
    if (issue != IssueCommit::enregistre && issue != IssueCommit::saisie_vide) {
        return issue;
    }
    return sauver() ? issue : IssueCommit::sauvegarde_echouee;
}

Libelles EntreeQSO::BitBtn_validerClick() {
    enregistrer_QSO();
    Edit_Pays.clear();
    Edit_continent.clear();
    return libelles;
}

Libelles EntreeQSO::recalculer() {
    Libelles resultat;
    if (recalculer_score(etat_, referentiel_, dialogues_, bande_selectionnee(), annee_courante())) {
        resultat.Label_score = texte_score(etat_.score_total);
    }
    resultat.Label_nbrQSO = QString::number(compter_QSO(etat_.table));
    resultat.titre = titre_principal(etat_);
    return resultat;
}

bool EntreeQSO::sauver() {
    try {
        sauver_journal(etat_);
    } catch (const Erreur& e) {
        dialogues_.message(TypeMessage::erreur, e.message());
        return false;
    }
    return true;
}

} // namespace vorek
