#pragma once

#include "compte_rendu.h"

#include <QDate>
#include <QSet>
#include <QString>

#include <atomic>
#include <functional>
#include <vector>

namespace vorek {

class Dictionnaire;
struct Referentiel;

struct OptionsCorrection {
    QString dossier;
    // Where the results go; empty for "correction" inside dossier.
    QString sortie;
    int tolerance_minutes = 5;
    // The contest year; 0 for the year most QSO lines carry (today's when there is none).
    int annee = 0;
    QDate aujourdhui;
};

enum class Etape { lecture, paires, scores };

struct Avancement {
    Etape etape = Etape::lecture;
    qint64 fait = 0;
    qint64 total = 0;
};

using SuiviCorrection = std::function<void(const Avancement&)>;

// A file of the folder that is not used, and why.
struct FichierEcarte {
    QString fichier;
    QString raison;
};

struct StationCorrigee {
    int rang = 0;
    QString indicatif;
    QString nom;
    QString fichier;         // the report read
    QString fichier_rapport; // the station report written, in the results folder
    int qso_revendiques = 0;
    int points_revendiques = 0;
    int qso_verifies = 0;
    int points_verifies = 0;
    int absents = 0;
    int indicatifs_errones = 0;
    int numeros_errones = 0;
    int non_verifiables = 0;
    int uniques = 0;
};

struct BilanCorrection {
    // Cancelled: nothing was written.
    bool annule = false;
    int annee = 0;
    QString sortie;
    // Without it no call is known: nothing is non-verifiable, every row scores from the
    // number received.
    bool base_membres_absente = false;
    // In the order of the results: verified points, then call.
    std::vector<StationCorrigee> stations;
    std::vector<FichierEcarte> ecartes;
};

// The reports of a folder: every *.LOG and *.cbr file (any case), one report per station
// (base call, sorted), and the files left out with their reasons.
struct DossierLu {
    std::vector<CompteRendu> comptes_rendus;
    std::vector<FichierEcarte> ecartes;
    // Every file taken for a report, as compared: no result is written over one.
    QSet<QString> entrees;
};
DossierLu lire_comptes_rendus(const OptionsCorrection& options, Dictionnaire& dictionnaire,
                              const SuiviCorrection& suivi = {},
                              const std::atomic_bool* annuler = nullptr);

// Whether the member database knows a call (and is there to say so).
std::function<bool(const QString&)> membre_connu(const Referentiel& referentiel);

// The committee's cross-check of every report of a folder: each QSO paired with the other
// station's line, the claimed and verified scores, then resultats.csv, resultats.html and
// one report per station written into the results folder (nothing when no report could be
// used). The reports are only read.
// suivi is called on the way; annuler, when set, stops the run before anything is written.
// Throws Erreur when the folder cannot be read or a result cannot be written.
BilanCorrection corriger_comptes_rendus(const OptionsCorrection& options,
                                        const Referentiel& referentiel,
                                        const SuiviCorrection& suivi = {},
                                        const std::atomic_bool* annuler = nullptr);

// The station report's file name: "/" becomes "-" and any other character that has no
// place in a file name "_".
QString nom_rapport_station(const QString& indicatif);

} // namespace vorek
