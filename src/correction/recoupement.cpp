#include "recoupement.h"

#include "refdata/pays.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace vorek {

namespace {

constexpr qint64 pas_suivi = 1024;

qint64 ecart(qint64 a, qint64 b) {
    return a > b ? a - b : b - a;
}

// The texts one character shorter: two texts one edit apart share one of them, or one is
// such a text of the other.
QStringList suppressions(const QString& texte) {
    QStringList liste{texte};
    for (qsizetype i = 0; i < texte.size(); ++i) {
        liste.append(QString(texte).remove(i, 1));
    }
    return liste;
}

} // namespace

bool une_edition(QStringView a, QStringView b) {
    if (a.size() == b.size()) {
        qsizetype premiere = -1;
        int differences = 0;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (a[i] != b[i]) {
                premiere = differences++ == 0 ? i : premiere;
            }
        }
        if (differences == 1) {
            return true;
        }
        return differences == 2 && premiere + 1 < a.size() && a[premiere] == b[premiere + 1] &&
               a[premiere + 1] == b[premiere];
    }
    const QStringView longue = a.size() > b.size() ? a : b;
    const QStringView courte = a.size() > b.size() ? b : a;
    if (longue.size() != courte.size() + 1) {
        return false;
    }
    qsizetype i = 0;
    while (i < courte.size() && courte[i] == longue[i]) {
        ++i;
    }
    return courte.sliced(i) == longue.sliced(i + 1);
}

Recoupement::Recoupement(const std::vector<CompteRendu>& comptes_rendus, Dictionnaire& dictionnaire,
                         int tolerance_minutes, MembreConnu membre_connu)
    : comptes_rendus_(comptes_rendus), dictionnaire_(dictionnaire), tolerance_(tolerance_minutes),
      membre_connu_(std::move(membre_connu)) {
    qint32 total = 0;
    for (const CompteRendu& cr : comptes_rendus_) {
        premiers_.push_back(total);
        total += qint32(cr.qsos.size());
        for (const QsoCabrillo& q : cr.qsos) {
            qsos_.push_back(&q);
        }
    }
    premiers_.push_back(total);
    resultats_.resize(size_t(total));
    apparies_.resize(size_t(total));
}

int Recoupement::station_de(qint32 global) const {
    return int(std::upper_bound(premiers_.begin(), premiers_.end(), global) - premiers_.begin()) -
           1;
}

qint32 Recoupement::base_de(qint32 indicatif) {
    if (size_t(indicatif) >= bases_.size()) {
        bases_.resize(size_t(dictionnaire_.taille()), -1);
    }
    if (bases_[size_t(indicatif)] < 0) {
        const QString base = indicatif_de_base(dictionnaire_.texte(indicatif));
        const qint32 numero = dictionnaire_.numero(base.toStdString());
        bases_[size_t(indicatif)] = numero;
    }
    return bases_[size_t(indicatif)];
}

void Recoupement::indexer() {
    for (size_t s = 0; s < comptes_rendus_.size(); ++s) {
        const QString base = indicatif_de_base(comptes_rendus_[s].indicatif);
        base_station_.push_back(dictionnaire_.numero(base.toStdString()));
        station_de_base_.emplace(base_station_.back(), int(s));
        for (const QString& cle : suppressions(base)) {
            std::vector<int>& liste = suppressions_[cle];
            if (liste.empty() || liste.back() != int(s)) {
                liste.push_back(int(s));
            }
        }
    }
    base_qso_.resize(resultats_.size());
    tries_.resize(comptes_rendus_.size());
    for (size_t s = 0; s < comptes_rendus_.size(); ++s) {
        const std::vector<QsoCabrillo>& qsos = comptes_rendus_[s].qsos;
        std::vector<qint32>& tri = tries_[s];
        for (size_t i = 0; i < qsos.size(); ++i) {
            const qint32 g = global(int(s), qsizetype(i));
            base_qso_[size_t(g)] = base_de(qsos[i].indicatif);
            tri.push_back(g);
        }
        std::sort(tri.begin(), tri.end(), [&](qint32 x, qint32 y) {
            const QsoCabrillo& qx = qsos[size_t(x - premiers_[s])];
            const QsoCabrillo& qy = qsos[size_t(y - premiers_[s])];
            return std::tie(base_qso_[size_t(x)], qx.bande, qx.minute, qx.ligne) <
                   std::tie(base_qso_[size_t(y)], qy.bande, qy.minute, qy.ligne);
        });
        for (size_t i = 0; i < tri.size(); ++i) {
            if (i == 0 || base_qso_[size_t(tri[i])] != base_qso_[size_t(tri[i - 1])]) {
                ++stations_par_base_[base_qso_[size_t(tri[i])]];
            }
        }
    }
}

std::span<const qint32> Recoupement::groupe(int station, qint32 base) const {
    const std::vector<qint32>& tri = tries_[size_t(station)];
    const auto debut = std::lower_bound(tri.begin(), tri.end(), base, [this](qint32 g, qint32 b) {
        return base_qso_[size_t(g)] < b;
    });
    const auto fin = std::upper_bound(
        debut, tri.end(), base, [this](qint32 b, qint32 g) { return b < base_qso_[size_t(g)]; });
    return {debut, fin};
}

std::span<const qint32> Recoupement::groupe(int station, qint32 base, int bande) const {
    const std::span<const qint32> meme_base = groupe(station, base);
    const auto debut = std::lower_bound(meme_base.begin(), meme_base.end(), bande,
                                        [this](qint32 g, int b) { return qso(g).bande < b; });
    const auto fin = std::upper_bound(debut, meme_base.end(), bande,
                                      [this](int b, qint32 g) { return b < qso(g).bande; });
    return {debut, fin};
}

// Where the band of a group's first QSO ends.
std::span<const qint32> Recoupement::meme_bande(std::span<const qint32> groupe) const {
    const int bande = qso(groupe.front()).bande;
    const auto fin =
        std::find_if(groupe.begin(), groupe.end(), [&](qint32 g) { return qso(g).bande != bande; });
    return {groupe.begin(), fin};
}

std::vector<Recoupement::Paire> Recoupement::paires() const {
    std::set<std::pair<int, int>> vues;
    for (size_t s = 0; s < tries_.size(); ++s) {
        qint32 precedente = -1;
        for (const qint32 g : tries_[s]) {
            const qint32 base = base_qso_[size_t(g)];
            if (base == precedente) {
                continue;
            }
            precedente = base;
            const auto autre = station_de_base_.find(base);
            if (autre != station_de_base_.end() && autre->second != int(s)) {
                vues.emplace(std::min(int(s), autre->second), std::max(int(s), autre->second));
            }
        }
    }
    std::vector<Paire> liste;
    for (const auto& [a, b] : vues) {
        liste.push_back({a, b});
    }
    return liste;
}

void Recoupement::lier(qint32 x, qint32 y) {
    const QsoCabrillo& qx = qso(x);
    const QsoCabrillo& qy = qso(y);
    apparies_[size_t(x)] = true;
    apparies_[size_t(y)] = true;
    resultats_[size_t(x)].partenaire = y;
    resultats_[size_t(y)].partenaire = x;
    resultats_[size_t(x)].categorie =
        qx.recu == qy.envoye ? Categorie::confirme : Categorie::numero_errone;
    resultats_[size_t(y)].categorie =
        qy.recu == qx.envoye ? Categorie::confirme : Categorie::numero_errone;
}

void Recoupement::apparier_bande(std::span<const qint32> cote_a, std::span<const qint32> cote_b) {
    // Every couple within the tolerance, then the nearest first: the lists are in time
    // order, so their places break ties as A's earlier QSO, then B's earlier QSO.
    std::vector<std::tuple<qint64, size_t, size_t>> couples;
    size_t bas = 0;
    for (size_t i = 0; i < cote_a.size(); ++i) {
        const qint64 t = qso(cote_a[i]).minute;
        while (bas < cote_b.size() && qso(cote_b[bas]).minute < t - tolerance_) {
            ++bas;
        }
        for (size_t j = bas; j < cote_b.size() && qso(cote_b[j]).minute <= t + tolerance_; ++j) {
            couples.emplace_back(ecart(t, qso(cote_b[j]).minute), i, j);
        }
    }
    std::sort(couples.begin(), couples.end());
    for (const auto& [difference, i, j] : couples) {
        if (!apparies_[size_t(cote_a[i])] && !apparies_[size_t(cote_b[j])]) {
            lier(cote_a[i], cote_b[j]);
        }
    }
}

void Recoupement::apparier(const Paire& paire) {
    // Both sides are in band then time order: the bands are walked together.
    std::span<const qint32> cote_a = groupe(paire.a, base_station_[size_t(paire.b)]);
    std::span<const qint32> cote_b = groupe(paire.b, base_station_[size_t(paire.a)]);
    while (!cote_a.empty() && !cote_b.empty()) {
        const std::span<const qint32> bande_a = meme_bande(cote_a);
        const std::span<const qint32> bande_b = meme_bande(cote_b);
        const int a = qso(bande_a.front()).bande;
        const int b = qso(bande_b.front()).bande;
        if (a == b) {
            apparier_bande(bande_a, bande_b);
        }
        if (a <= b) {
            cote_a = cote_a.subspan(bande_a.size());
        }
        if (b <= a) {
            cote_b = cote_b.subspan(bande_b.size());
        }
    }
}

bool Recoupement::executer(const Suivi& suivi, const std::atomic_bool* annuler) {
    indexer();
    const std::vector<Paire> liste = paires();
    const qint64 total = qint64(liste.size());
    for (qint64 n = 0; n < total; ++n) {
        if (n % pas_suivi == 0) {
            if (annuler && *annuler) {
                return false;
            }
            if (suivi) {
                suivi(n, total);
            }
        }
        apparier(liste[size_t(n)]);
    }
    if (suivi) {
        suivi(total, total);
    }
    chercher_indicatifs_errones();
    classer_restants();
    return !(annuler && *annuler);
}

const std::vector<int>& Recoupement::voisins(qint32 base) {
    const auto connu = voisins_.find(base);
    if (connu != voisins_.end()) {
        return connu->second;
    }
    const QString texte = dictionnaire_.texte(base);
    std::vector<int> liste;
    for (const QString& cle : suppressions(texte)) {
        const auto trouve = suppressions_.constFind(cle);
        if (trouve == suppressions_.cend()) {
            continue;
        }
        for (const int station : *trouve) {
            if (une_edition(texte, dictionnaire_.texte(base_station_[size_t(station)]))) {
                liste.push_back(station);
            }
        }
    }
    std::sort(liste.begin(), liste.end());
    liste.erase(std::unique(liste.begin(), liste.end()), liste.end());
    return voisins_.emplace(base, std::move(liste)).first->second;
}

bool Recoupement::chercher_indicatif_errone(int station, qint32 g) {
    const QsoCabrillo& q = qso(g);
    qint32 meilleur = -1;
    qint64 meilleur_ecart = 0;
    // Stations in alphabetical order and their QSOs in time order: the strict comparison
    // keeps the first of equals, as the ties want.
    for (const int autre : voisins(base_qso_[size_t(g)])) {
        if (autre == station) {
            continue;
        }
        for (const qint32 h : groupe(autre, base_station_[size_t(station)], q.bande)) {
            const qint64 e = ecart(qso(h).minute, q.minute);
            if (!apparies_[size_t(h)] && e <= tolerance_ && (meilleur < 0 || e < meilleur_ecart)) {
                meilleur = h;
                meilleur_ecart = e;
            }
        }
    }
    if (meilleur < 0) {
        return false;
    }
    lier(g, meilleur);
    resultats_[size_t(g)].categorie = Categorie::indicatif_errone;
    resultats_[size_t(g)].station = station_de(meilleur);
    return true;
}

void Recoupement::chercher_indicatifs_errones() {
    for (size_t s = 0; s < comptes_rendus_.size(); ++s) {
        std::vector<qint32> candidats;
        for (qint32 g = premiers_[s]; g < premiers_[s + 1]; ++g) {
            if (!apparies_[size_t(g)] && !station_de_base_.contains(base_qso_[size_t(g)])) {
                candidats.push_back(g);
            }
        }
        std::sort(candidats.begin(), candidats.end(), [this](qint32 x, qint32 y) {
            return std::make_pair(qso(x).minute, x) < std::make_pair(qso(y).minute, y);
        });
        for (const qint32 g : candidats) {
            chercher_indicatif_errone(int(s), g);
        }
    }
}

void Recoupement::classer_restants() {
    std::vector<qint8> connus(size_t(dictionnaire_.taille()), -1);
    for (qint32 g = 0; g < qint32(resultats_.size()); ++g) {
        if (apparies_[size_t(g)]) {
            continue;
        }
        ResultatQso& r = resultats_[size_t(g)];
        const qint32 base = base_qso_[size_t(g)];
        if (const auto station = station_de_base_.find(base); station != station_de_base_.end()) {
            r.categorie = Categorie::absent;
            r.station = station->second;
            continue;
        }
        const qint32 indicatif = qso(g).indicatif;
        if (connus[size_t(indicatif)] < 0) {
            connus[size_t(indicatif)] = membre_connu_(dictionnaire_.texte(indicatif)) ? 1 : 0;
        }
        if (connus[size_t(indicatif)] == 1) {
            r.categorie = Categorie::non_verifiable;
            r.unique = stations_par_base_[base] <= 1;
        } else {
            r.categorie = Categorie::non_membre;
        }
    }
}

} // namespace vorek
