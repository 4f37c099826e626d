#include "memoire_score.h"

#include "points.h"
#include "score.h"
#include "textes_regles.h"

#include "base/dates.h"
#include "log/etat.h"
#include "refdata/referentiel.h"

#include <algorithm>
#include <climits>
#include <queue>
#include <unordered_map>

namespace vorek {

namespace {

// One distinct call text and what its look-ups gave: the reference files do not change
// under one memory (a change is told by rafraichir_references), so each call is looked up
// once.
struct Fiche {
    QString indicatif;
    QString cle_membre; // the call as the member database is searched
    ResultatMembre membre;
    int id_numero = -1;
    int cle_cherchee = -1; // the call as the same-day rule looks it up
    int cle_rognee = -1;   // the call trimmed, as rows above are compared
    bool continent_lu = false;
    QString continent;
    bool bonus = false;
};

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

quint64 paire(int a, int b) {
    return (quint64(quint32(a)) << 32) | quint32(b);
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

// Sorted lists of rows.
void inserer_trie(std::vector<int>& v, int x) {
    v.insert(std::lower_bound(v.begin(), v.end(), x), x);
}

void retirer_trie(std::vector<int>& v, int x) {
    const auto i = std::lower_bound(v.begin(), v.end(), x);
    if (i != v.end() && *i == x) {
        v.erase(i);
    }
}

// The last row of the list above ligne, or 0.
int dernier_avant(const std::vector<int>& v, int ligne) {
    const auto i = std::lower_bound(v.begin(), v.end(), ligne);
    return i == v.begin() ? 0 : *(i - 1);
}

// Rows from premiere on move by n (a negative n once the rows before them are gone).
void decaler(std::vector<int>& v, int premiere, int n) {
    for (int& ligne : v) {
        if (ligne >= premiere) {
            ligne += n;
        }
    }
}

// Points rows of a call on a day: the day in the high half, the row in the low one.
quint64 jour_ligne(qint32 jour, int ligne) {
    return paire(jour, ligne);
}

// What the rows below read of the rows of a call (trimmed, as rows above are compared):
// the rows, those whose date does not read, those with points by day; and which rows look
// up this call (untrimmed, as the same-day rule looks it up).
struct Groupe {
    std::vector<int> lignes;
    std::vector<int> illisibles;
    std::vector<quint64> points_jour;
    std::vector<int> lecteurs;
};

// The rows of one member number and band: those with a call look it up, those with points
// (and a number other than "NM") count for the same-band rule below them.
struct Bande {
    std::vector<int> lignes;
    int premier_points = INT_MAX;
};

// What a row gives the rows below it, and its verdict, in 16 bytes: a log holds a hundred
// thousand of them. Its call's groups are its call text's (Fiche).
struct Ligne {
    int fiche = -1; // the row's call, -1 without one
    int bande = -1; // member number and band
    qint32 jour = 0;
    qint16 points_verdict = 0;
    quint8 regle = 0;
    bool lisible : 1 = false;
    bool points : 1 = false;
    bool compte_bande : 1 = false;
    bool bande_vide : 1 = false;
    bool en_attente : 1 = false;
    bool jugee : 1 = false;

    Verdict verdict() const { return {points_verdict, Regle(regle)}; }
    void fixer_verdict(const Verdict& v) {
        points_verdict = qint16(v.points);
        regle = quint8(v.regle);
    }
    bool meme_apport(const Ligne& autre) const {
        return fiche == autre.fiche && bande == autre.bande && jour == autre.jour &&
               lisible == autre.lisible && points == autre.points &&
               compte_bande == autre.compte_bande;
    }
};

static_assert(sizeof(Ligne) == 16);

// What one row's rules met on their way.
struct Parcours {
    int id_numero = -1;
    int id_bande = -1;
};

} // namespace

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

namespace {

class LignesTable : public LignesScore {
  public:
    explicit LignesTable(const TableJournal& table) : table_(table) {}
    int nb_lignes() const override { return table_.nb_lignes(); }
    CellulesQSO cellules(int ligne) const override {
        return CellulesQSO::de_la_ligne(table_, ligne);
    }
    QString date(int ligne) const override { return table_.cellule(col_date, ligne); }

  private:
    const TableJournal& table_;
};

} // namespace

struct MemoireScore::Donnees {
    Donnees(const LignesScore& l, const Referentiel& r, ConditionsScore c)
        : source(l), referentiel(&r), conditions(std::move(c)) {}
    Donnees(const TableJournal& t, const Referentiel& r, ConditionsScore c)
        : lignes_table(std::make_unique<LignesTable>(t)), source(*lignes_table), referentiel(&r),
          conditions(std::move(c)) {}

    const std::unique_ptr<LignesTable> lignes_table;
    const LignesScore& source;
    const Referentiel* referentiel;
    ConditionsScore conditions;
    const QString station_club = indicatif_station_club();

    Identifiants ids_indicatifs;
    std::vector<Fiche> fiches;
    Identifiants ids_cles;
    std::vector<Groupe> groupes;
    Identifiants ids_textes; // member numbers and band cells
    const int id_non_membre = interne(ids_textes, textes::non_membre());
    const int id_vide = interne(ids_textes, QString());
    int id_bande_combo = interne(ids_textes, conditions.bande_selectionnee);
    // Points by band text id, computed once per band: -1 not yet.
    std::vector<int> points_meme;
    std::vector<int> points_autre;
    std::unordered_map<quint64, int> ids_bandes;
    std::vector<Bande> bandes;

    // Rows 1 .. lignes.size() - 1 are known; the rows from there on wait, and so do the rows
    // of the queue.
    std::vector<Ligne> lignes = std::vector<Ligne>(1);
    std::priority_queue<int, std::vector<int>, std::greater<>> file;
    std::vector<int> jugees;
    int total = 0;
    int bandes_vides = 0;

    int nb_lignes() const { return source.nb_lignes(); }
    int connues() const { return int(lignes.size()); }
    // The groups a row writes to (its call trimmed) and reads (its call as typed).
    int groupe(const Ligne& l) const {
        return l.fiche < 0 ? -1 : fiches[size_t(l.fiche)].cle_rognee;
    }
    int lu(const Ligne& l) const { return l.fiche < 0 ? -1 : fiches[size_t(l.fiche)].cle_cherchee; }

    int cle(const QString& texte, bool creer) {
        const int id = identifiant(ids_cles, texte, creer);
        if (id >= 0 && size_t(id) >= groupes.size()) {
            groupes.resize(size_t(id) + 1);
        }
        return id;
    }

    Fiche nouvelle_fiche(const QString& indicatif, bool creer) {
        Fiche f;
        f.indicatif = indicatif;
        f.cle_membre = cle_membre(indicatif);
        f.membre = indicatif.isEmpty() ? referentiel->membres.chercher_membre(indicatif)
                                       : referentiel->membres.chercher_cle(f.cle_membre);
        f.id_numero = identifiant(ids_textes, f.membre.membre_numero, creer);
        f.cle_cherchee = cle(indicatif, creer);
        f.cle_rognee = cle(indicatif.trimmed(), creer);
        f.bonus = indicatif_de_base_points(indicatif) == station_club;
        return f;
    }

    int fiche(const QString& indicatif) {
        const int id = interne(ids_indicatifs, indicatif);
        if (size_t(id) == fiches.size()) {
            fiches.push_back(nouvelle_fiche(indicatif, true));
        }
        return id;
    }

    const QString& continent(Fiche& f) {
        if (!f.continent_lu) {
            f.continent = referentiel->pays.trouver_pays(f.indicatif).dxcc_continent;
            f.continent_lu = true;
        }
        return f.continent;
    }

    int bande(int id_numero, int id_bande, bool creer) {
        const quint64 k = paire(id_numero, id_bande);
        if (!creer) {
            const auto trouve = ids_bandes.find(k);
            return trouve == ids_bandes.end() ? -1 : trouve->second;
        }
        const auto [place, nouvelle] = ids_bandes.try_emplace(k, int(bandes.size()));
        if (nouvelle) {
            bandes.emplace_back();
        }
        return place->second;
    }

    // The same-day rule for a row at ligne. Walking up from it, the first row of the same
    // call reads both dates; then the nearest row either stops on an unreadable date or is
    // a duplicate.
    bool deja_le_meme_jour(const Fiche& f, const QString& date, int ligne) {
        if (f.cle_cherchee < 0) {
            return false;
        }
        const Groupe& g = groupes[size_t(f.cle_cherchee)];
        const int derniere = dernier_avant(g.lignes, ligne);
        if (derniere == 0) {
            return false;
        }
        if (!lignes[size_t(derniere)].lisible) {
            lire_date(source.date(derniere));
        }
        double jour = 0;
        if (!lire_jour(date, jour)) {
            lire_date(date);
        }
        const qint32 j = qint32(jour);
        const auto apres =
            std::lower_bound(g.points_jour.begin(), g.points_jour.end(), jour_ligne(j, ligne));
        int rang = 0;
        if (apres != g.points_jour.begin() && qint32(*(apres - 1) >> 32) == j) {
            rang = int(quint32(*(apres - 1)));
        }
        const int illisible = dernier_avant(g.illisibles, ligne);
        if (illisible > rang) {
            lire_date(source.date(illisible));
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
        parcours.id_numero = conditions.nb_colonnes > col_ztc ? f.id_numero : id_vide;
        return f.membre.membre_numero != textes::non_membre();
    }

    // A row at ligne: rows past the table's end read empty and count for the band of an
    // empty number and an empty band cell.
    bool deja_sur_la_bande(int id_bande_cle, int ligne) const {
        if (id_bande_cle < 0) {
            return false;
        }
        if (bandes[size_t(id_bande_cle)].premier_points < ligne) {
            return true;
        }
        const auto vide = ids_bandes.find(paire(id_vide, id_vide));
        return ligne > nb_lignes() && vide != ids_bandes.end() && vide->second == id_bande_cle;
    }

    Verdict juger(Fiche& f, const CellulesQSO& q, int ligne, bool creer, Parcours& parcours) {
        parcours.id_bande = identifiant(ids_textes, q.bande, creer);
        if (!membre(f, q, creer, parcours)) {
            return {0, Regle::non_membre};
        }
        const double moment = moment_de(q.date, q.heure);
        if (!(moment > conditions.debut_concours && moment < conditions.fin_concours)) {
            return {0, Regle::hors_date};
        }
        if (deja_le_meme_jour(f, q.date, ligne)) {
            return {0, Regle::meme_jour};
        }
        const bool meme_continent = continent(f) == conditions.continent_station;
        if (parcours.id_numero >= 0 && parcours.id_bande >= 0 &&
            deja_sur_la_bande(bande(parcours.id_numero, parcours.id_bande, creer), ligne)) {
            return {0, Regle::meme_bande};
        }
        const int points =
            q.bande.isEmpty()
                ? points_par_bande(id_bande_combo, conditions.bande_selectionnee, meme_continent)
                : points_par_bande(parcours.id_bande, q.bande, meme_continent);
        return {f.bonus ? multiplicateur_station_club * points : points, Regle::aucune};
    }

    // Column 7 as the rescoring leaves it: the points, or nothing without a column 7.
    bool a_des_points(const Verdict& v) const {
        return conditions.nb_colonnes <= col_points || v.points != 0;
    }

    // What the row at ligne gives the rows below, its cells read from the source.
    Ligne noter(int ligne) {
        const CellulesQSO q = source.cellules(ligne);
        Ligne n;
        if (q.indicatif.isEmpty()) {
            const QString numero = conditions.base_absente ? numero_de_la_ligne(q.ztc) : q.ztc;
            const int id_numero = interne(ids_textes, numero);
            n.points = q.points != QStringLiteral("0");
            n.compte_bande = n.points && id_numero != id_non_membre;
            if (n.compte_bande) {
                n.bande = bande(id_numero, interne(ids_textes, q.bande), true);
            }
            return n;
        }
        n.fiche = fiche(q.indicatif);
        Fiche& f = fiches[size_t(n.fiche)];
        Parcours parcours;
        const Verdict verdict = juger(f, q, ligne, true, parcours);
        n.fixer_verdict(verdict);
        double jour = 0;
        n.lisible = lire_jour(q.date, jour);
        n.jour = n.lisible ? qint32(jour) : 0;
        n.points = a_des_points(verdict);
        n.bande = bande(parcours.id_numero, parcours.id_bande, true);
        n.compte_bande = n.points && parcours.id_numero != id_non_membre;
        n.bande_vide = q.bande.isEmpty();
        return n;
    }

    void mettre_en_attente(int ligne) {
        if (ligne < connues() && !lignes[size_t(ligne)].en_attente) {
            lignes[size_t(ligne)].en_attente = true;
            file.push(ligne);
        }
    }

    // The rows of the list below ligne wait again.
    void reveiller(const std::vector<int>& liste, int ligne) {
        for (auto i = std::upper_bound(liste.begin(), liste.end(), ligne); i != liste.end(); ++i) {
            mettre_en_attente(*i);
        }
    }

    void retirer(int ligne, const Ligne& l) {
        if (l.fiche >= 0) {
            Groupe& g = groupes[size_t(groupe(l))];
            retirer_trie(g.lignes, ligne);
            if (!l.lisible) {
                retirer_trie(g.illisibles, ligne);
            } else if (l.points) {
                const auto i = std::lower_bound(g.points_jour.begin(), g.points_jour.end(),
                                                jour_ligne(l.jour, ligne));
                if (i != g.points_jour.end() && *i == jour_ligne(l.jour, ligne)) {
                    g.points_jour.erase(i);
                }
            }
            retirer_trie(groupes[size_t(lu(l))].lecteurs, ligne);
            total -= l.points_verdict;
            bandes_vides -= l.bande_vide ? 1 : 0;
        }
        if (l.bande >= 0) {
            Bande& b = bandes[size_t(l.bande)];
            retirer_trie(b.lignes, ligne);
            if (b.premier_points == ligne) {
                b.premier_points = INT_MAX;
                for (const int autre : b.lignes) {
                    if (lignes[size_t(autre)].compte_bande) {
                        b.premier_points = autre;
                        break;
                    }
                }
            }
        }
    }

    void ajouter(int ligne, const Ligne& l) {
        if (l.fiche >= 0) {
            Groupe& g = groupes[size_t(groupe(l))];
            inserer_trie(g.lignes, ligne);
            if (!l.lisible) {
                inserer_trie(g.illisibles, ligne);
            } else if (l.points) {
                const quint64 k = jour_ligne(l.jour, ligne);
                g.points_jour.insert(
                    std::lower_bound(g.points_jour.begin(), g.points_jour.end(), k), k);
            }
            inserer_trie(groupes[size_t(lu(l))].lecteurs, ligne);
            total += l.points_verdict;
            bandes_vides += l.bande_vide ? 1 : 0;
        }
        if (l.bande >= 0) {
            Bande& b = bandes[size_t(l.bande)];
            inserer_trie(b.lignes, ligne);
            if (l.compte_bande) {
                b.premier_points = std::min(b.premier_points, ligne);
            }
        }
    }

    // The rows below that read what the row gave, before or after its change, wait again.
    void propager(int ligne, const Ligne& avant, const Ligne& apres) {
        for (const int g : {groupe(avant), groupe(apres)}) {
            if (g >= 0) {
                reveiller(groupes[size_t(g)].lecteurs, ligne);
            }
        }
        if (avant.bande != apres.bande || avant.compte_bande != apres.compte_bande) {
            for (const int b : {avant.bande, apres.bande}) {
                if (b >= 0) {
                    reveiller(bandes[size_t(b)].lignes, ligne);
                }
            }
        }
    }

    void marquer_jugee(int ligne) {
        Ligne& l = lignes[size_t(ligne)];
        if (!l.jugee) {
            l.jugee = true;
            jugees.push_back(ligne);
        }
    }

    // Judges the row at ligne, known (waiting) or the next one after the known rows.
    void juger_ligne(int ligne) {
        Ligne nouvelle = noter(ligne);
        if (ligne == connues()) {
            ajouter(ligne, nouvelle);
            lignes.push_back(nouvelle);
            marquer_jugee(ligne);
            return;
        }
        Ligne& ancienne = lignes[size_t(ligne)];
        nouvelle.jugee = ancienne.jugee;
        if (!ancienne.meme_apport(nouvelle)) {
            retirer(ligne, ancienne);
            ajouter(ligne, nouvelle);
            propager(ligne, ancienne, nouvelle);
        } else if (ancienne.fiche >= 0) {
            // The same call (the same group): only its own points and band cell may differ.
            total += nouvelle.points_verdict - ancienne.points_verdict;
            bandes_vides += (nouvelle.bande_vide ? 1 : 0) - (ancienne.bande_vide ? 1 : 0);
        }
        ancienne = nouvelle;
        marquer_jugee(ligne);
    }

    // The first waiting row; entries of rows judged since, or gone, are dropped.
    int prochaine() {
        while (!file.empty() &&
               (file.top() >= connues() || !lignes[size_t(file.top())].en_attente)) {
            file.pop();
        }
        return file.empty() ? connues() : file.top();
    }

    // Each waiting row is judged once it is the first; a row that throws stays first.
    void juger_jusqu_a(int fin) {
        fin = std::min(fin, nb_lignes());
        // Room for the rows to come and a few commits, not for twice the log.
        if (size_t(fin) > lignes.capacity()) {
            lignes.reserve(size_t(fin) + size_t(fin) / 8 + 16);
        }
        for (int suivante = prochaine(); suivante < fin; suivante = prochaine()) {
            juger_ligne(suivante);
        }
    }

    // After rows moved: the queue holds their new numbers.
    void refaire_file() {
        file = {};
        for (int ligne = 1; ligne < connues(); ++ligne) {
            if (lignes[size_t(ligne)].en_attente) {
                file.push(ligne);
            }
        }
    }

    // Every list of rows: rows from premiere on move by n.
    void decaler_tout(int premiere, int n) {
        for (Groupe& g : groupes) {
            decaler(g.lignes, premiere, n);
            decaler(g.illisibles, premiere, n);
            decaler(g.lecteurs, premiere, n);
            for (quint64& k : g.points_jour) {
                const int ligne = int(quint32(k));
                if (ligne >= premiere) {
                    k = jour_ligne(qint32(k >> 32), ligne + n);
                }
            }
        }
        for (Bande& b : bandes) {
            decaler(b.lignes, premiere, n);
            if (b.premier_points != INT_MAX && b.premier_points >= premiere) {
                b.premier_points += n;
            }
        }
        decaler(jugees, premiere, n);
    }

    void inserer(int ligne, int n) {
        if (ligne >= connues()) {
            return;
        }
        decaler_tout(ligne, n);
        lignes.insert(lignes.begin() + ligne, size_t(n), Ligne{});
        refaire_file();
        for (int i = ligne; i < ligne + n; ++i) {
            mettre_en_attente(i);
        }
    }

    void supprimer(int ligne, int n) {
        const int fin = std::min(ligne + n, connues());
        if (ligne >= fin) {
            return;
        }
        std::vector<int> groupes_touches;
        std::vector<int> bandes_touchees;
        for (int i = ligne; i < fin; ++i) {
            const Ligne l = lignes[size_t(i)];
            retirer(i, l);
            groupes_touches.push_back(groupe(l));
            bandes_touchees.push_back(l.bande);
        }
        jugees.erase(std::remove_if(jugees.begin(), jugees.end(),
                                    [&](int j) { return j >= ligne && j < fin; }),
                     jugees.end());
        decaler_tout(fin, ligne - fin);
        lignes.erase(lignes.begin() + ligne, lignes.begin() + fin);
        refaire_file();
        for (const int g : groupes_touches) {
            if (g >= 0) {
                reveiller(groupes[size_t(g)].lecteurs, ligne - 1);
            }
        }
        for (const int b : bandes_touchees) {
            if (b >= 0) {
                reveiller(bandes[size_t(b)].lignes, ligne - 1);
            }
        }
    }

    void rafraichir_references(bool membres, bool pays) {
        for (Fiche& f : fiches) {
            bool change = false;
            if (membres) {
                const ResultatMembre membre = referentiel->membres.chercher_cle(f.cle_membre);
                change = membre.membre_numero != f.membre.membre_numero ||
                         membre.base_trouvee != f.membre.base_trouvee;
                f.membre = membre;
                f.id_numero = interne(ids_textes, membre.membre_numero);
            }
            if (pays && f.continent_lu) {
                const QString continent =
                    referentiel->pays.trouver_pays(f.indicatif).dxcc_continent;
                change = change || continent != f.continent;
                f.continent = continent;
            }
            if (change && f.cle_cherchee >= 0) {
                reveiller(groupes[size_t(f.cle_cherchee)].lecteurs, 0);
            }
        }
    }
};

MemoireScore::MemoireScore(const TableJournal& table, const Referentiel& referentiel,
                           ConditionsScore conditions)
    : d_(std::make_unique<Donnees>(table, referentiel, std::move(conditions))) {}

MemoireScore::MemoireScore(const LignesScore& lignes, const Referentiel& referentiel,
                           ConditionsScore conditions)
    : d_(std::make_unique<Donnees>(lignes, referentiel, std::move(conditions))) {}

MemoireScore::~MemoireScore() = default;

void MemoireScore::utiliser(const Referentiel& referentiel) {
    d_->referentiel = &referentiel;
}

void MemoireScore::lignes_inserees(int ligne, int n) {
    d_->inserer(ligne, n);
}

void MemoireScore::lignes_supprimees(int ligne, int n) {
    d_->supprimer(ligne, n);
}

void MemoireScore::ligne_changee(int ligne) {
    d_->mettre_en_attente(ligne);
}

void MemoireScore::rafraichir_references(bool membres, bool pays) {
    d_->rafraichir_references(membres, pays);
}

void MemoireScore::juger_jusqu_a(int ligne) {
    d_->juger_jusqu_a(ligne);
}

int MemoireScore::prochaine_a_juger() const {
    return d_->prochaine();
}

Verdict MemoireScore::juger(const CellulesQSO& qso, int ligne) {
    d_->juger_jusqu_a(ligne);
    const auto connue = d_->ids_indicatifs.find(qso.indicatif);
    Fiche f = connue != d_->ids_indicatifs.end() ? d_->fiches[size_t(connue->second)]
                                                 : d_->nouvelle_fiche(qso.indicatif, false);
    Parcours parcours;
    return d_->juger(f, qso, ligne, false, parcours);
}

std::vector<int> MemoireScore::prendre_lignes_jugees(int ligne) {
    std::vector<int>& jugees = d_->jugees;
    const auto restent =
        std::partition(jugees.begin(), jugees.end(), [ligne](int j) { return j < ligne; });
    std::vector<int> prises(jugees.begin(), restent);
    jugees.erase(jugees.begin(), restent);
    if (jugees.empty()) {
        jugees = {};
    }
    std::sort(prises.begin(), prises.end());
    for (const int j : prises) {
        d_->lignes[size_t(j)].jugee = false;
    }
    return prises;
}

Verdict MemoireScore::verdict(int ligne) const {
    return ligne > 0 && ligne < d_->connues() ? d_->lignes[size_t(ligne)].verdict() : Verdict{};
}

int MemoireScore::total_avant(int ligne) const {
    if (ligne >= d_->connues()) {
        return d_->total;
    }
    int total = 0;
    for (int i = 1; i < ligne; ++i) {
        const Ligne& l = d_->lignes[size_t(i)];
        total += l.fiche >= 0 ? l.points_verdict : 0;
    }
    return total;
}

const ResultatMembre& MemoireScore::membre(const QString& indicatif) {
    return d_->fiches[size_t(d_->fiche(indicatif))].membre;
}

const ConditionsScore& MemoireScore::conditions() const {
    return d_->conditions;
}

void MemoireScore::changer_bande_selectionnee(const QString& bande) {
    if (bande == d_->conditions.bande_selectionnee) {
        return;
    }
    d_->conditions.bande_selectionnee = bande;
    d_->id_bande_combo = interne(d_->ids_textes, bande);
    if (d_->bandes_vides > 0) {
        for (int ligne = 1; ligne < d_->connues(); ++ligne) {
            if (d_->lignes[size_t(ligne)].bande_vide) {
                d_->mettre_en_attente(ligne);
            }
        }
    }
}

} // namespace vorek
