// The preview of the entry: what the QSO being typed would score, and the members whose
// call holds what is typed. Both read only the indexes kept in step with the log table.
#include "index_journal.h"
#include "saisie.h"
#include "textes_saisie.h"

#include "base/dates.h"
#include "base/erreur.h"
#include "log/etat.h"
#include "refdata/referentiel.h"
#include "rules/score_suivi.h"
#include "rules/textes_regles.h"

namespace vorek {

namespace {

const Rvb vert{0, 128, 0};
const Rvb rouge{255, 0, 0};
const Rvb orange{192, 96, 0};

Partiel partiel(const MembreTrouve& membre, bool jour, bool bande) {
    Partiel p{membre.indicatif, membre.membre_numero, QString(), Rvb()};
    if (jour) {
        p.marques += textes::marque_jour();
        p.couleur = rouge;
    }
    if (bande) {
        p.marques += textes::marque_bande();
        p.couleur = jour ? rouge : orange;
    }
    return p;
}

} // namespace

ApercuQSO EntreeQSO::apercu_QSO() const {
    return apercu_cellules(cellules_commit(), vers_jours(DateTimePicker_date),
                           bande_selectionnee());
}

ApercuQSO EntreeQSO::apercu_indicatif(const QString& indicatif, const QString& bande,
                                      const QDateTime& utc) const {
    const QString appel = indicatif.trimmed().toUpper();
    const ResultatMembre membre = referentiel_.membres.chercher_membre(appel);
    const double jour = vers_jours(utc.date());
    CellulesQSO qso;
    qso.indicatif = appel;
    qso.date = texte_date(jour);
    qso.heure = utc.time().toString(QStringLiteral("hh:mm"));
    qso.bande = bande;
    qso.rst_envoye = textes::report_defaut();
    qso.rst_recu = textes::report_defaut();
    qso.ztc =
        membre.membre_numero.isEmpty() ? textes::non_membre() : membre.membre_numero.trimmed();
    qso.nom = membre.membre_nom.trimmed();
    return apercu_cellules(qso, jour, bande);
}

ApercuQSO EntreeQSO::apercu_cellules(const CellulesQSO& qso, double jour,
                                     const QString& bande) const {
    ApercuQSO apercu;
    const QString& indicatif = qso.indicatif;
    // A call of blanks is written as an empty call, which no rescoring scores.
    if (indicatif.isEmpty()) {
        return apercu;
    }
    apercu.visible = true;
    apercu.couleur = rouge;
    const int corrigee = ligne_corrigee();
    const int ligne = corrigee > 0 ? corrigee : etat_.ligne_suivante;
    try {
        if (refus_meme_jour(indicatif, ligne - 1, jour)) {
            apercu.points = QStringLiteral("0");
            apercu.raison = textes::remarque_meme_jour();
            return apercu;
        }
        const Verdict verdict =
            suivi_score_->apercu(cellules_lues(etat_.table, qso.en_texte()), ligne, bande);
        apercu.points = QString::number(verdict.points);
        apercu.raison = remarque(verdict.regle, annee_courante());
        if (verdict.points > 0) {
            apercu.couleur = vert;
        }
    } catch (const Erreur& e) {
        apercu.raison = e.message();
    }
    return apercu;
}

QList<Partiel> EntreeQSO::liste_partielle() const {
    QList<Partiel> liste;
    const QString fragment = Edit_call.trimmed();
    if (fragment.size() < 2) {
        return liste;
    }
    const ResultatFragment trouves = referentiel_.membres.chercher_fragment(fragment, max_partiels);
    const double jour = vers_jours(DateTimePicker_date);
    const QString bande = bande_selectionnee();
    const int corrigee = ligne_corrigee();
    for (const MembreTrouve& membre : trouves.membres) {
        bool du_jour = false;
        bool de_la_bande = false;
        for (const int r : index_->lignes_membre(membre.indicatif)) {
            if (r != corrigee) {
                du_jour = du_jour || index_->jour(r) == jour;
                de_la_bande = de_la_bande || (!bande.isEmpty() && index_->bande(r) == bande);
            }
            if (du_jour && de_la_bande) {
                break;
            }
        }
        liste.append(partiel(membre, du_jour, de_la_bande));
    }
    return liste;
}

} // namespace vorek
