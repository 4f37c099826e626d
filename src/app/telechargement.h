#pragma once

#include <QString>

#include <chrono>

namespace vorek {

struct ConfigServeurs;

// A start-up must never hang on a dead server.
struct DelaisTelechargement {
    std::chrono::milliseconds connexion{10000};
    std::chrono::milliseconds total{60000};
};

struct ResultatTelechargement {
    bool reussi = false;
    long statut_http = 0;
    QString erreur; // French text, empty on success
};

// Fetches url into chemin (created anew), bypassing caches. Anything short of a complete,
// non-empty 2xx answer is a failure, and then chemin is removed.
ResultatTelechargement telecharger(const QString& url, const QString& chemin,
                                   const DelaisTelechargement& delais = {});

// The member database, by way of rep_BD/ZTC_mini_2021_site.csv, which replaces
// rep_BD/ZTC_mini_2021.csv only once complete. True when a new file is in place; on failure
// the previous file stays as it was.
bool telecharger_base_membres(const QString& rep_BD, const ConfigServeurs& config,
                              const DelaisTelechargement& delais = {});

// The country file, only when rep_cfg has none, by way of a temporary name; a download that
// holds no prefix at all is dropped. True when a new file is in place (the caller beeps).
bool telecharger_fichier_pays(const QString& rep_cfg, const ConfigServeurs& config,
                              const DelaisTelechargement& delais = {});

} // namespace vorek
