#pragma once

#include <QString>

#include <chrono>
#include <functional>

namespace vorek {

struct ConfigServeurs;

// A start-up must never hang on a dead or silent server.
struct DelaisTelechargement {
    std::chrono::milliseconds connexion{5000};
    // A transfer that moves nothing for this long is given up.
    std::chrono::seconds immobile{10};
    // The last bound, for a server that trickles.
    std::chrono::seconds total{300};
};

// Told several times a second while a transfer runs how many bytes arrived and how many are
// announced (0 when the server does not say); the start-up's window keeps answering from
// there. False abandons the transfer.
using SuiviTelechargement = std::function<bool(qint64 recus, qint64 attendus)>;

struct ResultatTelechargement {
    bool reussi = false;
    long statut_http = 0;
    QString erreur; // French text, empty on success
    // For the operator, in French, when something arrived but was refused (empty, cut short,
    // not the file expected); empty when nothing arrived or the operator abandoned.
    QString refus;
    // libcurl's own words for a failed transfer, for the diagnostics only.
    QString detail_bibliotheque{};
};

// Fetches url into chemin (created anew), bypassing caches. Anything short of a complete,
// non-empty 2xx answer is a failure, and then chemin is removed.
ResultatTelechargement telecharger(const QString& url, const QString& chemin,
                                   const DelaisTelechargement& delais = {},
                                   const SuiviTelechargement& suivi = {});

// The member database, by way of rep_BD/ZTC_mini_2021_site.csv, which replaces
// rep_BD/ZTC_mini_2021.csv only once complete and only when it is a member list. reussi
// when a new file is in place; otherwise the previous file stays as it was.
ResultatTelechargement telecharger_base_membres(const QString& rep_BD, const ConfigServeurs& config,
                                                const DelaisTelechargement& delais = {},
                                                const SuiviTelechargement& suivi = {});

// The country file, only when rep_cfg has none, by way of a temporary name; a download that
// the conversion would refuse is dropped. reussi when a new file is in place (the caller
// beeps).
ResultatTelechargement telecharger_fichier_pays(const QString& rep_cfg,
                                                const ConfigServeurs& config,
                                                const DelaisTelechargement& delais = {},
                                                const SuiviTelechargement& suivi = {});

// The country file again, present or not; the one in place (whatever the case of its name)
// is replaced only by a download that passes the same check.
ResultatTelechargement retelecharger_fichier_pays(const QString& rep_cfg,
                                                  const ConfigServeurs& config,
                                                  const DelaisTelechargement& delais = {},
                                                  const SuiviTelechargement& suivi = {});

} // namespace vorek
