#include "score.h"

#include "points.h"
#include "textes_regles.h"

#include "base/dates.h"
#include "log/etat.h"
#include "refdata/referentiel.h"
#include "refdata/texte.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vorek {

namespace {

// One distinct call text of the pass and what its look-ups gave: the reference files
// cannot change during a pass, so each call is looked up once.
struct Fiche {
    ResultatMembre membre;
    int id_numero = 0;
    int cle_cherchee = 0; // the call as the same-day rule looks it up
    int cle_rognee = 0;   // the call trimmed, as rows above are compared
    bool continent_lu = false;
    QString continent;
    bool bonus = false;
};

// The rows above a given trimmed call, so that the same-day rule looks up instead of
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

struct Passe {
    Passe(Etat& e, const Referentiel& r, const QString& bande, const QString& annee,
          ResultatScore& res)
        : etat(e), referentiel(r), bande_selectionnee(bande), annee_courante(annee), resultat(res) {
    }

    Etat& etat;
    const Referentiel& referentiel;
    const QString& bande_selectionnee;
    const QString& annee_courante;
    ResultatScore& resultat;
    const bool complete = etat.table.nb_colonnes() >= nb_colonnes_journal;
    const QString station_club = indicatif_station_club();
    // Decided once per pass, as every row of the pass reads the same database.
    bool base_absente = false;

    Identifiants ids_indicatifs;
    std::vector<Fiche> fiches;
    Identifiants ids_cles;
    std::vector<DejaVu> deja_vus;
    Identifiants ids_textes; // member numbers and band cells
    const int id_non_membre = interne(ids_textes, textes::non_membre());
    // Points by band text id, computed once per band: -1 not yet.
    std::vector<int> points_meme;
    std::vector<int> points_autre;
    const int id_bande_combo = interne(ids_textes, bande_selectionnee);
    int id_bande_ligne = 0;  // the band cell of the row being scored
    int id_numero_ligne = 0; // the member number of the row being scored
    // (trimmed call, day) -> the latest row with points of that call on that day.
    std::unordered_map<quint64, int> points_par_jour;
    // (member number, band cell) of every row above with points, member or not, scored
    // in this pass or not (an empty-call row keeps its old cells and still counts).
    std::unordered_set<quint64> membres_par_bande;
};

QString cellule(const Passe& p, int col, int ligne) {
    return p.etat.table.cellule(col, ligne);
}

int cle(Passe& p, const QString& texte) {
    const int id = interne(p.ids_cles, texte);
    if (size_t(id) == p.deja_vus.size()) {
        p.deja_vus.emplace_back();
    }
    return id;
}

Fiche& fiche(Passe& p, const QString& indicatif) {
    const int id = interne(p.ids_indicatifs, indicatif);
    if (size_t(id) < p.fiches.size()) {
        return p.fiches[size_t(id)];
    }
    Fiche f;
    f.membre = p.referentiel.membres.chercher_membre(indicatif);
    f.id_numero = interne(p.ids_textes, f.membre.membre_numero);
    f.cle_cherchee = cle(p, indicatif);
    f.cle_rognee = cle(p, indicatif.trimmed());
    f.bonus = indicatif_de_base_points(indicatif) == p.station_club;
    p.fiches.push_back(std::move(f));
    return p.fiches.back();
}

const QString& continent(Passe& p, Fiche& f, const QString& indicatif) {
    if (!f.continent_lu) {
        f.continent = p.referentiel.pays.trouver_pays(indicatif).dxcc_continent;
        f.continent_lu = true;
    }
    return f.continent;
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

// The same-day rule. Walking up from the row, the first row of the same call reads both
// dates; then the nearest row either stops on an unreadable date or is a duplicate.
bool deja_le_meme_jour(Passe& p, const Fiche& f, int ligne) {
    const DejaVu& vu = p.deja_vus[size_t(f.cle_cherchee)];
    if (vu.derniere == 0) {
        return false;
    }
    if (!vu.derniere_lisible) {
        lire_date(cellule(p, col_date, vu.derniere));
    }
    double jour = 0;
    if (!lire_jour(cellule(p, col_date, ligne), jour)) {
        lire_date(cellule(p, col_date, ligne));
    }
    const auto doublon = p.points_par_jour.find(paire(f.cle_cherchee, qint64(jour)));
    const int rang = doublon == p.points_par_jour.end() ? 0 : doublon->second;
    if (vu.illisible > rang) {
        lire_date(cellule(p, col_date, vu.illisible));
    }
    return rang > 0;
}

int points_par_bande(Passe& p, int id_bande, const QString& bande, bool meme_continent) {
    if (size_t(id_bande) >= p.points_meme.size()) {
        p.points_meme.resize(size_t(id_bande) + 1, -1);
        p.points_autre.resize(size_t(id_bande) + 1, -1);
    }
    if (p.points_meme[size_t(id_bande)] < 0) {
        p.points_meme[size_t(id_bande)] = points_bande(bande, true);
        p.points_autre[size_t(id_bande)] = points_bande(bande, false);
    }
    return meme_continent ? p.points_meme[size_t(id_bande)] : p.points_autre[size_t(id_bande)];
}

// A member number as the same-band rule compares it: the cell as held, or the row's own
// number when the database is missing.
int id_numero_cellule(Passe& p, const QString& cellule_ztc) {
    return interne(p.ids_textes, p.base_absente ? numero_de_la_ligne(cellule_ztc) : cellule_ztc);
}

// The member rule's number into column 6, or column 6 kept when the database is missing;
// true when the row is a member.
bool numero_membre(Passe& p, const Fiche& f, int ligne) {
    if (p.base_absente) {
        const QString numero = numero_de_la_ligne(cellule(p, col_ztc, ligne));
        p.id_numero_ligne = interne(p.ids_textes, numero);
        return !numero.isEmpty() && p.id_numero_ligne != p.id_non_membre;
    }
    p.etat.table.fixer_cellule(col_ztc, ligne, f.membre.membre_numero);
    p.id_numero_ligne = p.complete ? f.id_numero : id_numero_cellule(p, cellule(p, col_ztc, ligne));
    return f.membre.membre_numero != textes::non_membre();
}

QString points_ligne(Passe& p, Fiche& f, const QString& indicatif, int ligne) {
    TableJournal& table = p.etat.table;
    const QString note = note_operateur(cellule(p, col_notes, ligne));
    const auto remarque = [&](const QString& texte) {
        table.fixer_cellule(col_notes, ligne, note + texte);
        return QStringLiteral("0");
    };
    if (!numero_membre(p, f, ligne)) {
        return remarque(textes::remarque_non_membre());
    }
    table.fixer_cellule(col_notes, ligne, note);
    const double moment = moment_de(cellule(p, col_date, ligne), cellule(p, col_heure, ligne));
    if (!(moment > p.etat.debut_concours && moment < p.etat.fin_concours)) {
        return remarque(textes::remarque_hors_date() + p.annee_courante);
    }
    if (deja_le_meme_jour(p, f, ligne)) {
        return remarque(textes::remarque_meme_jour());
    }
    const QString cellule_bande = cellule(p, col_bande, ligne);
    p.id_bande_ligne = interne(p.ids_textes, cellule_bande);
    const bool meme_continent = continent(p, f, indicatif) == p.etat.station.station_continent;
    if (p.membres_par_bande.contains(paire(p.id_numero_ligne, p.id_bande_ligne))) {
        return remarque(textes::remarque_meme_bande());
    }
    const int points =
        cellule_bande.isEmpty()
            ? points_par_bande(p, p.id_bande_combo, p.bande_selectionnee, meme_continent)
            : points_par_bande(p, p.id_bande_ligne, cellule_bande, meme_continent);
    return QString::number(f.bonus ? 2 * points : points);
}

void retenir_membre(Passe& p, int id_numero, int id_bande) {
    if (id_numero != p.id_non_membre) {
        p.membres_par_bande.insert(paire(id_numero, id_bande));
    }
}

void retenir_ligne_notee(Passe& p, const Fiche& f, int ligne) {
    const bool a_des_points = cellule(p, col_points, ligne) != QStringLiteral("0");
    if (a_des_points) {
        // With every column present, a row with points went through the band rule.
        const int id_bande =
            p.complete ? p.id_bande_ligne : interne(p.ids_textes, cellule(p, col_bande, ligne));
        retenir_membre(p, p.id_numero_ligne, id_bande);
    }
    double jour = 0;
    const bool lisible = lire_jour(cellule(p, col_date, ligne), jour);
    DejaVu& vu = p.deja_vus[size_t(f.cle_rognee)];
    vu.derniere = ligne;
    vu.derniere_lisible = lisible;
    if (!lisible) {
        vu.illisible = ligne;
    } else if (a_des_points) {
        p.points_par_jour[paire(f.cle_rognee, qint64(jour))] = ligne;
    }
}

void retenir_ligne_vide(Passe& p, int ligne) {
    if (cellule(p, col_points, ligne) != QStringLiteral("0")) {
        retenir_membre(p, id_numero_cellule(p, cellule(p, col_ztc, ligne)),
                       interne(p.ids_textes, cellule(p, col_bande, ligne)));
    }
}

// The first row with a call tells whether the database is there, before any row without
// a call is remembered under its number.
bool base_absente(Passe& p) {
    const TableJournal& table = p.etat.table;
    for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
        const QString indicatif = table.cellule(col_indicatif, ligne);
        if (!indicatif.isEmpty()) {
            return !fiche(p, indicatif).membre.base_trouvee;
        }
    }
    return false;
}

// The remark ending texte, the year of the period remark included; 0 when none does.
qsizetype longueur_remarque(const QString& texte) {
    for (const QString& remarque : {textes::remarque_non_membre(), textes::remarque_meme_jour(),
                                    textes::remarque_meme_bande()}) {
        if (texte.endsWith(remarque)) {
            return remarque.size();
        }
    }
    qsizetype debut_annee = texte.size();
    while (debut_annee > 0 && texte[debut_annee - 1] >= QLatin1Char('0') &&
           texte[debut_annee - 1] <= QLatin1Char('9')) {
        --debut_annee;
    }
    const QString hors_date = textes::remarque_hors_date();
    if (QStringView(texte).first(debut_annee).endsWith(hors_date)) {
        return texte.size() - debut_annee + hors_date.size();
    }
    return 0;
}

} // namespace

QString numero_de_la_ligne(const QString& cellule_ztc) {
    QString numero = cellule_ztc;
    numero.remove(QLatin1Char('*'));
    return rogner(numero);
}

QString note_operateur(const QString& cellule_notes) {
    if (QStringView(cellule_notes).trimmed().isEmpty()) {
        return QString();
    }
    // A remark alone may have lost its leading blank on its way through the notes field of
    // a correction: files of earlier versions hold it so.
    const QString seule = QLatin1Char(' ') + cellule_notes.trimmed();
    if (longueur_remarque(seule) == seule.size()) {
        return QString();
    }
    QString note = cellule_notes;
    note.chop(longueur_remarque(note));
    return QStringView(note).trimmed().isEmpty() ? QString() : note;
}

void calculer_score(Etat& etat, const Referentiel& referentiel, const QString& bande_selectionnee,
                    const QString& annee_courante, ResultatScore& resultat) {
    Passe passe(etat, referentiel, bande_selectionnee, annee_courante, resultat);
    passe.base_absente = base_absente(passe);
    resultat.base_membres_absente = passe.base_absente;
    etat.score_total = 0;
    resultat.score_total = 0;
    TableJournal& table = etat.table;
    {
        const LotCellules lot(table);
        for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
            const QString indicatif = table.cellule(col_indicatif, ligne);
            if (indicatif.isEmpty()) {
                retenir_ligne_vide(passe, ligne);
                continue;
            }
            Fiche& f = fiche(passe, indicatif);
            table.fixer_cellule(col_points, ligne, points_ligne(passe, f, indicatif, ligne));
            etat.score_total += table.cellule(col_points, ligne).toInt();
            resultat.score_total = etat.score_total;
            retenir_ligne_notee(passe, f, ligne);
        }
    }
    // Once the views have the new cells.
    emit etat.annonces.score_recalcule();
}

ResultatScore calculer_score(Etat& etat, const Referentiel& referentiel,
                             const QString& bande_selectionnee, const QString& annee_courante) {
    ResultatScore resultat;
    calculer_score(etat, referentiel, bande_selectionnee, annee_courante, resultat);
    return resultat;
}

} // namespace vorek
