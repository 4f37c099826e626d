#include "memoire_score.h"

#include "points.h"
#include "score.h"
#include "textes_regles.h"

#include "base/dates.h"
#include "log/etat.h"
#include "refdata/referentiel.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vorek {

namespace {

// One distinct call text and what its look-ups gave: the reference files do not change
// under one memory, so each call is looked up once.
struct Fiche {
    ResultatMembre membre;
    int id_numero = -1;
    int cle_cherchee = -1; // the call as the same-day rule looks it up
    int cle_rognee = -1;   // the call trimmed, as rows above are compared
    bool continent_lu = false;
    QString continent;
    bool bonus = false;
};

// The rows above of a given trimmed call, so that the same-day rule looks up instead of
// scanning: the outcome is the one of the scan from the row upward.
struct DejaVu {
    int derniere = 0;
    bool derniere_lisible = true;
    int illisible = 0; // the latest row of this call whose date does not read
};

quint64 paire(int a, qint64 b) {
    return (quint64(quint32(a)) << 32) | quint32(qint32(b));
}

// Calls, numbers and bands are a few characters long: a plain FNV-1a hash is enough and
// far cheaper than the seeded hash of QHash.
struct HashCourt {
    size_t operator()(const QString& texte) const noexcept {
        quint64 h = 14695981039346656037ULL;
        for (const QChar c : texte) {
            h = (h ^ c.unicode()) * 1099511628211ULL;
        }
        return size_t(h);
    }
};

using Identifiants = std::unordered_map<QString, int, HashCourt>;

int interne(Identifiants& ids, const QString& texte) {
    return ids.try_emplace(texte, int(ids.size())).first->second;
}

// A text's id, or -1 for one never met: a question must not grow the memory, and no row
// remembered holds a text never met.
int identifiant(Identifiants& ids, const QString& texte, bool creer) {
    if (creer) {
        return interne(ids, texte);
    }
    const auto trouve = ids.find(texte);
    return trouve == ids.end() ? -1 : trouve->second;
}

bool chiffres(const QString& s, std::initializer_list<int> positions) {
    for (const int i : positions) {
        if (s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

int nombre(const QString& s, int debut, int n) {
    int v = 0;
    for (int i = debut; i < debut + n; ++i) {
        v = v * 10 + (s[i].unicode() - '0');
    }
    return v;
}

// "dd/mm/yyyy" read without the general reader; empty for any other shape.
QDate date_ordinaire(const QString& s) {
    if (s.size() != 10 || s[2] != QLatin1Char('/') || s[5] != QLatin1Char('/') ||
        !chiffres(s, {0, 1, 3, 4, 6, 7, 8, 9})) {
        return {};
    }
    return QDate(nombre(s, 6, 4), nombre(s, 3, 2), nombre(s, 0, 2));
}

bool lire_jour(const QString& texte, double& jour) {
    const QDate date = date_ordinaire(texte);
    if (date.isValid()) {
        jour = vers_jours(date);
        return true;
    }
    return essayer_date(texte, jour);
}

// Column 0, a blank and column 1 as one date and time; throws the conversion text.
double moment_de(const QString& date, const QString& heure) {
    const QDate jour = date_ordinaire(date);
    if (jour.isValid() && heure.size() == 5 && heure[2] == QLatin1Char(':') &&
        chiffres(heure, {0, 1, 3, 4})) {
        const QTime t(nombre(heure, 0, 2), nombre(heure, 3, 2));
        if (t.isValid()) {
            return vers_jours(jour, t);
        }
    }
    return lire_date_heure(date + QLatin1Char(' ') + heure);
}

// What one row's rules met on their way, for remembering the row.
struct Parcours {
    int id_numero = -1;
    int id_bande = -1;
    bool bande_lue = false;
};

} // namespace

CellulesQSO CellulesQSO::de_la_ligne(const TableJournal& table, int ligne) {
    return {table.cellule(col_date, ligne),      table.cellule(col_heure, ligne),
            table.cellule(col_indicatif, ligne), table.cellule(col_bande, ligne),
            table.cellule(col_ztc, ligne),       table.cellule(col_points, ligne)};
}

QString remarque(Regle regle, const QString& annee_courante) {
    switch (regle) {
    case Regle::non_membre:
        return textes::remarque_non_membre();
    case Regle::hors_date:
        return textes::remarque_hors_date() + annee_courante;
    case Regle::meme_jour:
        return textes::remarque_meme_jour();
    case Regle::meme_bande:
        return textes::remarque_meme_bande();
    case Regle::aucune:
        break;
    }
    return QString();
}

ConditionsScore conditions_score(const Etat& etat, const QString& bande_selectionnee,
                                 bool base_absente) {
    return {
        etat.station.station_continent, etat.debut_concours, etat.fin_concours, bande_selectionnee,
        etat.table.nb_colonnes(),       base_absente};
}

struct MemoireScore::Donnees {
    Donnees(const TableJournal& t, const Referentiel& r, ConditionsScore c)
        : table(t), referentiel(r), conditions(std::move(c)) {}

    const TableJournal& table;
    const Referentiel& referentiel;
    ConditionsScore conditions;
    const QString station_club = indicatif_station_club();
    int derniere = 0;
    bool bande_combo_lue = false;

    Identifiants ids_indicatifs;
    std::vector<Fiche> fiches;
    Identifiants ids_cles;
    std::vector<DejaVu> deja_vus;
    Identifiants ids_textes; // member numbers and band cells
    const int id_non_membre = interne(ids_textes, textes::non_membre());
    // Points by band text id, computed once per band: -1 not yet.
    std::vector<int> points_meme;
    std::vector<int> points_autre;
    int id_bande_combo = interne(ids_textes, conditions.bande_selectionnee);
    // (trimmed call, day) -> the latest row with points of that call on that day.
    std::unordered_map<quint64, int> points_par_jour;
    // (member number, band cell) of every row above with points, member or not, with a
    // call or not (an empty-call row keeps its old cells and still counts).
    std::unordered_set<quint64> membres_par_bande;

    int cle(const QString& texte, bool creer) {
        const int id = identifiant(ids_cles, texte, creer);
        if (id >= 0 && size_t(id) == deja_vus.size()) {
            deja_vus.emplace_back();
        }
        return id;
    }

    Fiche nouvelle_fiche(const QString& indicatif, bool creer) {
        Fiche f;
        f.membre = referentiel.membres.chercher_membre(indicatif);
        f.id_numero = identifiant(ids_textes, f.membre.membre_numero, creer);
        f.cle_cherchee = cle(indicatif, creer);
        f.cle_rognee = cle(indicatif.trimmed(), creer);
        f.bonus = indicatif_de_base_points(indicatif) == station_club;
        return f;
    }

    Fiche& fiche(const QString& indicatif) {
        const int id = interne(ids_indicatifs, indicatif);
        if (size_t(id) == fiches.size()) {
            fiches.push_back(nouvelle_fiche(indicatif, true));
        }
        return fiches[size_t(id)];
    }

    const QString& continent(Fiche& f, const QString& indicatif) {
        if (!f.continent_lu) {
            f.continent = referentiel.pays.trouver_pays(indicatif).dxcc_continent;
            f.continent_lu = true;
        }
        return f.continent;
    }

    // The same-day rule. Walking up from the row, the first row of the same call reads both
    // dates; then the nearest row either stops on an unreadable date or is a duplicate.
    bool deja_le_meme_jour(const Fiche& f, const QString& date) {
        if (f.cle_cherchee < 0) {
            return false;
        }
        const DejaVu& vu = deja_vus[size_t(f.cle_cherchee)];
        if (vu.derniere == 0) {
            return false;
        }
        if (!vu.derniere_lisible) {
            lire_date(table.cellule(col_date, vu.derniere));
        }
        double jour = 0;
        if (!lire_jour(date, jour)) {
            lire_date(date);
        }
        const auto doublon = points_par_jour.find(paire(f.cle_cherchee, qint64(jour)));
        const int rang = doublon == points_par_jour.end() ? 0 : doublon->second;
        if (vu.illisible > rang) {
            lire_date(table.cellule(col_date, vu.illisible));
        }
        return rang > 0;
    }

    int points_par_bande(int id_bande, const QString& bande, bool meme_continent) {
        if (id_bande < 0) {
            return points_bande(bande, meme_continent);
        }
        if (size_t(id_bande) >= points_meme.size()) {
            points_meme.resize(size_t(id_bande) + 1, -1);
            points_autre.resize(size_t(id_bande) + 1, -1);
        }
        if (points_meme[size_t(id_bande)] < 0) {
            points_meme[size_t(id_bande)] = points_bande(bande, true);
            points_autre[size_t(id_bande)] = points_bande(bande, false);
        }
        return meme_continent ? points_meme[size_t(id_bande)] : points_autre[size_t(id_bande)];
    }

    // The member rule: the number the same-band rule compares, and whether the row is a
    // member. Without the database the row's own column 6 stands for the answer; with it,
    // column 6 holds the database's number once written (nothing when there is no column 6).
    bool membre(const Fiche& f, const CellulesQSO& q, bool creer, Parcours& parcours) {
        if (conditions.base_absente) {
            const QString numero = numero_de_la_ligne(q.ztc);
            parcours.id_numero = identifiant(ids_textes, numero, creer);
            return !numero.isEmpty() && numero != textes::non_membre();
        }
        parcours.id_numero = conditions.nb_colonnes > col_ztc
                                 ? f.id_numero
                                 : identifiant(ids_textes, QString(), creer);
        return f.membre.membre_numero != textes::non_membre();
    }

    Verdict juger(Fiche& f, const CellulesQSO& q, bool creer, Parcours& parcours) {
        if (!membre(f, q, creer, parcours)) {
            return {0, Regle::non_membre};
        }
        const double moment = moment_de(q.date, q.heure);
        if (!(moment > conditions.debut_concours && moment < conditions.fin_concours)) {
            return {0, Regle::hors_date};
        }
        if (deja_le_meme_jour(f, q.date)) {
            return {0, Regle::meme_jour};
        }
        parcours.id_bande = identifiant(ids_textes, q.bande, creer);
        parcours.bande_lue = true;
        const bool meme_continent = continent(f, q.indicatif) == conditions.continent_station;
        if (membres_par_bande.contains(paire(parcours.id_numero, parcours.id_bande))) {
            return {0, Regle::meme_bande};
        }
        const int points =
            q.bande.isEmpty()
                ? points_par_bande(id_bande_combo, conditions.bande_selectionnee, meme_continent)
                : points_par_bande(parcours.id_bande, q.bande, meme_continent);
        return {f.bonus ? multiplicateur_station_club * points : points, Regle::aucune};
    }

    void retenir_membre(int id_numero, int id_bande) {
        if (id_numero != id_non_membre) {
            membres_par_bande.insert(paire(id_numero, id_bande));
        }
    }

    // Column 7 as the rescoring leaves it: the points, or nothing without a column 7.
    bool a_des_points(const Verdict& v) const {
        return conditions.nb_colonnes <= col_points || v.points != 0;
    }

    void retenir_notee(const Fiche& f, const CellulesQSO& q, const Verdict& v,
                       const Parcours& parcours, int ligne) {
        const bool points = a_des_points(v);
        if (points) {
            retenir_membre(parcours.id_numero,
                           parcours.bande_lue ? parcours.id_bande : interne(ids_textes, q.bande));
        }
        double jour = 0;
        const bool lisible = lire_jour(q.date, jour);
        DejaVu& vu = deja_vus[size_t(f.cle_rognee)];
        vu.derniere = ligne;
        vu.derniere_lisible = lisible;
        if (!lisible) {
            vu.illisible = ligne;
        } else if (points) {
            points_par_jour[paire(f.cle_rognee, qint64(jour))] = ligne;
        }
        bande_combo_lue = bande_combo_lue || q.bande.isEmpty();
    }

    void retenir_vide(const CellulesQSO& q) {
        if (q.points != QStringLiteral("0")) {
            const QString numero = conditions.base_absente ? numero_de_la_ligne(q.ztc) : q.ztc;
            retenir_membre(interne(ids_textes, numero), interne(ids_textes, q.bande));
        }
    }
};

MemoireScore::MemoireScore(const TableJournal& table, const Referentiel& referentiel,
                           ConditionsScore conditions)
    : d_(std::make_unique<Donnees>(table, referentiel, std::move(conditions))) {}

MemoireScore::~MemoireScore() = default;

const ResultatMembre& MemoireScore::membre(const QString& indicatif) {
    return d_->fiche(indicatif).membre;
}

Verdict MemoireScore::noter_suivante() {
    const int ligne = d_->derniere + 1;
    const CellulesQSO q = CellulesQSO::de_la_ligne(d_->table, ligne);
    Verdict v;
    if (q.indicatif.isEmpty()) {
        d_->retenir_vide(q);
    } else {
        Fiche& f = d_->fiche(q.indicatif);
        Parcours parcours;
        v = d_->juger(f, q, true, parcours);
        d_->retenir_notee(f, q, v, parcours, ligne);
    }
    d_->derniere = ligne;
    return v;
}

Verdict MemoireScore::juger(const CellulesQSO& qso) {
    const auto connue = d_->ids_indicatifs.find(qso.indicatif);
    Fiche f = connue != d_->ids_indicatifs.end() ? d_->fiches[size_t(connue->second)]
                                                 : d_->nouvelle_fiche(qso.indicatif, false);
    Parcours parcours;
    return d_->juger(f, qso, false, parcours);
}

int MemoireScore::derniere_ligne() const {
    return d_->derniere;
}

const ConditionsScore& MemoireScore::conditions() const {
    return d_->conditions;
}

bool MemoireScore::bande_selectionnee_lue() const {
    return d_->bande_combo_lue;
}

void MemoireScore::changer_bande_selectionnee(const QString& bande) {
    d_->conditions.bande_selectionnee = bande;
    d_->id_bande_combo = interne(d_->ids_textes, bande);
}

} // namespace vorek
