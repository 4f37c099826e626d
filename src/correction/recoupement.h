#pragma once

#include "compte_rendu.h"
#include "dictionnaire.h"

#include <QHash>

#include <atomic>
#include <functional>
#include <span>
#include <unordered_map>
#include <vector>

namespace vorek {

enum class Categorie : quint8 {
    confirme,
    numero_errone,
    absent,
    indicatif_errone,
    non_verifiable,
    // A call that belongs to no report and that the member database does not know: it scores
    // nothing anyway and is not penalised.
    non_membre,
};

struct ResultatQso {
    Categorie categorie = Categorie::non_membre;
    // Non verifiable, and no other report holds a QSO with its base call.
    bool unique = false;
    // The other station's line it was paired with (a global QSO number), or -1.
    qint32 partenaire = -1;
    // The station it is absent from, or the one its call was meant to be; -1 otherwise.
    qint32 station = -1;
};

// Whether one text becomes the other by one character changed, added or removed, or by two
// neighbours swapped.
bool une_edition(QStringView a, QStringView b);

// The cross-check of the reports of every station: each QSO paired with the other
// station's line, or given the reason it is not confirmed. Stations are numbered in the
// alphabetical order of their base calls, which the tie rules follow; QSOs have one global
// number, the station's first plus their place in its file.
class Recoupement {
  public:
    using MembreConnu = std::function<bool(const QString& indicatif)>;
    // (pairs checked, pairs in all)
    using Suivi = std::function<void(qint64, qint64)>;

    // comptes_rendus holds one report per base call, sorted by base call.
    Recoupement(const std::vector<CompteRendu>& comptes_rendus, Dictionnaire& dictionnaire,
                int tolerance_minutes, MembreConnu membre_connu);

    // Runs the rules; false when annuler was set on the way (the results are then partial).
    bool executer(const Suivi& suivi, const std::atomic_bool* annuler);

    const ResultatQso& resultat(qint32 global) const { return resultats_[size_t(global)]; }
    qint32 global(int station, qsizetype indice) const {
        return premiers_[size_t(station)] + qint32(indice);
    }
    int station_de(qint32 global) const;
    const QsoCabrillo& qso(qint32 global) const { return *qsos_[size_t(global)]; }
    qint32 base_de(qint32 indicatif);
    int tolerance() const { return tolerance_; }
    const Dictionnaire& dictionnaire() const { return dictionnaire_; }

  private:
    struct Paire {
        int a;
        int b;
    };
    void indexer();
    std::vector<Paire> paires() const;
    void apparier(const Paire& paire);
    void apparier_bande(std::span<const qint32> cote_a, std::span<const qint32> cote_b);
    void lier(qint32 x, qint32 y);
    void chercher_indicatifs_errones();
    bool chercher_indicatif_errone(int station, qint32 global);
    void classer_restants();
    const std::vector<int>& voisins(qint32 base);
    // The station's QSO numbers (global) whose call has base (and whose band is bande), in
    // band then time order.
    std::span<const qint32> groupe(int station, qint32 base) const;
    std::span<const qint32> groupe(int station, qint32 base, int bande) const;
    std::span<const qint32> meme_bande(std::span<const qint32> groupe) const;

    const std::vector<CompteRendu>& comptes_rendus_;
    Dictionnaire& dictionnaire_;
    int tolerance_;
    MembreConnu membre_connu_;

    std::vector<qint32> premiers_;
    std::vector<const QsoCabrillo*> qsos_; // by global QSO number
    std::vector<qint32> bases_;            // by call number, -1 not yet known
    std::vector<qint32> base_qso_;         // by global QSO number
    std::vector<qint32> base_station_;     // by station
    std::unordered_map<qint32, int> station_de_base_;
    // Per station, its QSOs sorted by (base call, band, time, line).
    std::vector<std::vector<qint32>> tries_;
    std::unordered_map<qint32, int> stations_par_base_; // reports holding a QSO with a base
    QHash<QString, std::vector<int>> suppressions_;
    std::unordered_map<qint32, std::vector<int>> voisins_;
    std::vector<ResultatQso> resultats_;
    std::vector<bool> apparies_;
};

} // namespace vorek
