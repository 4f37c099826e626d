#include "edition_grille.h"

#include "base/dates.h"
#include "base/dialogues.h"
#include "base/erreur.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "refdata/referentiel.h"
#include "rules/bandes.h"
#include "rules/indicatif.h"
#include "rules/score.h"
#include "rules/textes_regles.h"
#include "tri.h"

namespace vorek {

QString question_effacement(const TableJournal& table, int ligne) {
    const CellulesQSO ecrit = CellulesQSO::de_la_ligne(table, ligne);
    const QString indicatif = ecrit.indicatif.trimmed();
    const QString date = ecrit.date.trimmed();
    const QString heure = ecrit.heure.trimmed();
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
    const CellulesQSO qso = CellulesQSO::de_la_ligne(table, ligne);
    double jour = 0;
    double heure = 0;
    if (ligne < 1 || ligne >= table.nb_lignes() || !essayer_date(qso.date, jour) ||
        !essayer_heure(qso.heure, heure)) {
        return false;
    }
    etat.fichier_modifie = true;
    etat.ligne_editee = ligne;
    entree.commencer_correction();
    entree.Edit_Pays.clear();
    entree.Edit_continent.clear();
    entree.Edit_callChange(qso.indicatif);
    entree.DateTimePicker_date = depuis_jours(jour).date();
    entree.DateTimePicker_time = depuis_jours(heure).time();
    entree.Edit_RSTS = qso.rst_envoye;
    entree.Edit_RSTR = qso.rst_recu;
    entree.Edit_NrZTC = qso.ztc;
    entree.Edit_nomZTC = qso.nom;
    // The operator corrects the note; the rescoring after the commit adds the remark again.
    entree.Edit_Notes = note_operateur(qso.notes);
    // The band grid's mark follows the band taken, or goes when the row's band is no item.
    entree.choisir_bande(int(bandes().indexOf(qso.bande)));
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
    entree.sauver();
}

namespace {

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
    resultat.libelles = entree.recalculer();
    entree.sauver();
    return resultat;
}

Libelles quitter_grille(EntreeQSO& entree) {
    Libelles libelles = entree.recalculer();
    libelles.titre.reset();
    return libelles;
}

namespace {

// A call as the call field takes it; false, with the refusal told, for one with a blank.
bool indicatif_recevable(EntreeQSO& entree, int ligne, QString& texte) {
    if (indicatif_avec_blanc(texte)) {
        entree.dialogues().message(TypeMessage::avertissement,
                                   refus_indicatif_avec_blanc(texte, ligne));
        return false;
    }
    texte = texte.trimmed().toUpper();
    return true;
}

void prendre_membre(EntreeQSO& entree, int ligne, const QString& indicatif) {
    const ResultatMembre membre = entree.referentiel().membres.chercher_membre(indicatif);
    if (!membre.base_trouvee) {
        // The rescoring tells it, and keeps the row's own number.
        return;
    }
    TableJournal& table = entree.etat().table;
    CellulesQSO qso = CellulesQSO::de_la_ligne(table, ligne);
    qso.ztc = membre.membre_numero.isEmpty() ? textes::non_membre() : membre.membre_numero;
    qso.nom = membre.membre_nom;
    qso.ecrire(table, ligne);
}

} // namespace

Libelles saisir_cellule(EntreeQSO& entree, int colonne, int ligne, const QString& texte) {
    Etat& etat = entree.etat();
    TableJournal& table = etat.table;
    QString saisi = texte;
    if (ligne < 1 || ligne >= table.nb_lignes() || colonne < 0 || colonne >= table.nb_colonnes() ||
        (colonne == col_indicatif && !indicatif_recevable(entree, ligne, saisi)) ||
        table.cellule(colonne, ligne) == saisi) {
        return {};
    }
    table.fixer_cellule(colonne, ligne, saisi);
    if (colonne == col_indicatif && !saisi.isEmpty()) {
        prendre_membre(entree, ligne, saisi);
    }
    // The next commit goes below a row the operator filled by hand, never over it.
    if (ligne >= etat.ligne_suivante && !saisi.isEmpty()) {
        etat.ligne_suivante = ligne + 1;
        table.fixer_nb_lignes(std::max(table.nb_lignes(), ligne + 2));
    }
    const Libelles libelles = entree.recalculer();
    entree.sauver();
    return libelles;
}

void trier_par_indicatif_et_sauver(EntreeQSO& entree) {
    trier_par_indicatif(entree.etat());
    entree.sauver();
}

Libelles trier_par_date_et_sauver(EntreeQSO& entree) {
    trier_par_date(entree.etat());
    const Libelles libelles = entree.recalculer();
    entree.sauver();
    return libelles;
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
