#include "carte_bandes.h"

#include "base/horloge.h"
#include "entry/index_journal.h"
#include "entry/saisie.h"
#include "log/etat.h"
#include "refdata/referentiel.h"
#include "rules/bandes.h"
#include "rules/textes_regles.h"

#include <algorithm>

namespace vorek {

namespace {

qint64 minute(const QDateTime& utc) {
    return utc.toSecsSinceEpoch() / 60;
}

} // namespace

CarteBandes::CarteBandes(EntreeQSO& entree, const Horloge& horloge, QObject* parent)
    : QObject(parent), entree_(entree), horloge_(horloge) {
    // Any change of the log (a commit, an edit, a load, a sort) may change every spot's points.
    const TableJournal* table = &entree_.etat().table;
    const auto changer = [this] { journal_change_ = true; };
    connect(table, &QAbstractItemModel::dataChanged, this, changer);
    connect(table, &QAbstractItemModel::rowsInserted, this, changer);
    connect(table, &QAbstractItemModel::rowsRemoved, this, changer);
    connect(table, &QAbstractItemModel::modelReset, this, changer);
    connect(table, &QAbstractItemModel::layoutChanged, this, changer);
    connect(&entree_.etat().annonces, &Annonces::score_recalcule, this, changer);
}

void CarteBandes::fixer_filtre(const FiltreCarte& filtre) {
    filtre_ = filtre;
    filtre_.duree_minutes = std::max(filtre_.duree_minutes, 1);
    ++version_;
}

std::optional<SpotCarte> CarteBandes::ajouter(const Spot& spot) {
    const std::optional<QString> bande = bande_de_frequence(spot.frequence_hz);
    if (!bande || (filtre_.cw_seulement && !spot_cw(spot))) {
        return std::nullopt;
    }
    SpotCarte nouveau{spot, *bande, horloge_.maintenant_utc(), {}, {}, false, false, {}};
    evaluer(nouveau, nouveau.recu);
    if (filtre_.membres_seulement && !nouveau.membre) {
        return std::nullopt;
    }
    // The latest spot of a call on a band replaces the earlier one.
    const auto meme = std::find_if(spots_.begin(), spots_.end(), [&](const SpotCarte& s) {
        return s.bande == nouveau.bande && s.spot.indicatif == spot.indicatif;
    });
    if (meme != spots_.end()) {
        spots_.erase(meme);
    } else if (nombre() >= max_spots) {
        spots_.erase(spots_.begin());
    }
    spots_.push_back(nouveau);
    ++version_;
    return nouveau;
}

QList<SpotCarte> CarteBandes::spots_bande(const QString& bande) {
    mettre_a_jour();
    QList<SpotCarte> liste;
    for (const SpotCarte& s : spots_) {
        if (s.bande == bande) {
            liste.append(s);
        }
    }
    std::stable_sort(liste.begin(), liste.end(), [](const SpotCarte& a, const SpotCarte& b) {
        return a.spot.frequence_hz < b.spot.frequence_hz;
    });
    return liste;
}

void CarteBandes::vider() {
    spots_.clear();
    ++version_;
}

void CarteBandes::mettre_a_jour() {
    const qint64 limite = qint64(filtre_.duree_minutes) * 90;
    const auto perimes = std::remove_if(spots_.begin(), spots_.end(), [&](const SpotCarte& s) {
        return age_secondes(s) >= limite;
    });
    if (perimes != spots_.end()) {
        spots_.erase(perimes, spots_.end());
        ++version_;
    }
    if (journal_change_ || minute(horloge_.maintenant_utc()) != minute_calcul_ ||
        ligne_commit() != ligne_calcul_) {
        recalculer();
    }
}

void CarteBandes::recalculer() {
    const QDateTime maintenant = horloge_.maintenant_utc();
    // Band by band: the scoring memory then changes band once per band, not once per spot.
    std::vector<SpotCarte*> ordre;
    ordre.reserve(spots_.size());
    for (SpotCarte& s : spots_) {
        ordre.push_back(&s);
    }
    std::stable_sort(ordre.begin(), ordre.end(),
                     [](const SpotCarte* a, const SpotCarte* b) { return a->bande < b->bande; });
    for (SpotCarte* s : ordre) {
        evaluer(*s, maintenant);
    }
    journal_change_ = false;
    minute_calcul_ = minute(maintenant);
    ligne_calcul_ = ligne_commit();
    ++version_;
}

void CarteBandes::evaluer(SpotCarte& s, const QDateTime& maintenant) const {
    const QString& appel = s.spot.indicatif;
    const ResultatMembre membre = entree_.referentiel().membres.chercher_membre(appel);
    const QString numero = membre.membre_numero.trimmed();
    s.membre = !numero.isEmpty() && numero != textes::non_membre();
    s.membre_numero = numero.isEmpty() ? textes::non_membre() : numero;
    s.membre_nom = membre.membre_nom.trimmed();
    s.jamais_contacte =
        s.membre && entree_.index_journal().lignes_membre(cle_membre(appel)).empty();
    s.apercu = entree_.apercu_indicatif(appel, s.bande, maintenant);
}

std::pair<int, bool> CarteBandes::ligne_commit() const {
    const Etat& etat = entree_.etat();
    return {etat.fichier_modifie ? etat.ligne_editee : etat.ligne_suivante, etat.fichier_modifie};
}

qint64 CarteBandes::age_secondes(const SpotCarte& spot) const {
    return spot.recu.secsTo(horloge_.maintenant_utc());
}

int CarteBandes::age_minutes(const SpotCarte& spot) const {
    return int(std::max<qint64>(age_secondes(spot), 0) / 60);
}

bool CarteBandes::estompe(const SpotCarte& spot) const {
    return age_secondes(spot) >= qint64(filtre_.duree_minutes) * 60;
}

} // namespace vorek
