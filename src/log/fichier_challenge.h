#pragma once

#include "cellules_journal.h"
#include "fiche_station.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace vorek {

class Etat;
class Dialogues;
class SortieLignes;

// The whole content of a challenge file, parsed before anything is replaced.
struct ContenuChallenge {
    // Neither continent nor e-mail address: the file does not hold them.
    Station station;
    int colonnes = 0;
    int lignes = 0;
    QList<int> largeurs;
    CellulesJournal cellules;
};

// The longest texts the station window takes into its fields; a file's station record is cut
// to them on reading.
constexpr int longueur_max_indicatif = 20;
constexpr int longueur_max_nr_club = 10;
constexpr int longueur_max_nom = 50;
constexpr int longueur_max_adresse = 80;
constexpr int longueur_max_DXCC = 10;

constexpr int colonnes_max_challenge = 1000;
constexpr int lignes_max_challenge = 1000000;

// What a load does beyond the file itself; each step is optional. The windows follow the
// load through etat.annonces: indicatif_charge once the call is in, journal_charge at the end.
struct ActionsChargement {
    // The continent of a call, from the country look-up.
    std::function<QString(const QString& indicatif)> continent_de;
    // Runs once the table is in, before journal_charge: the rescoring.
    std::function<void()> apres_chargement;
};

// The lines of the file for the current state. A line break inside a cell (the format
// has no room for one) is written as a blank.
QStringList lignes_challenge(const Etat& etat);
// The same lines, given one by one as they are made.
void rediger_challenge(const Etat& etat, SortieLignes& sortie);

// The most QSO rows a file of that many columns may hold for the reader to take it back.
int qso_max_challenge(int colonnes);

// Why the reader would refuse the file of the current state (too many lines, too many
// bytes, counts beyond its limits), in words for a genuine log; empty when it takes it.
QString refus_taille_challenge(const Etat& etat);

// Parses a whole file; throws Erreur with the runtime's text, leaving nothing half done.
// A file longer than its counts announce is refused, as one shorter than them.
ContenuChallenge lire_challenge(const QString& chemin);

// Writes the station record and the log table, atomically, keeping the previous version.
// A bare name lies in rep_challenge. Clears fichier_modifie once written; throws Erreur.
// A log the reader could not take back is refused before anything is written.
void sauver_fichier(Etat& etat, const QString& chemin);

// The save that follows each change of the log (a commit, a cell typed, a row inserted or
// deleted, a sort): written as sauver_fichier writes it, but a correction still waiting
// in the entry stays pending. By default the current file. Throws Erreur.
void sauver_journal(const Etat& etat);
void sauver_journal(const Etat& etat, const QString& chemin);

// Reads a challenge file into the state. Does not change fichier_courant. Throws Erreur,
// in which case nothing was replaced.
void charger_fichier(Etat& etat, const QString& chemin, const ActionsChargement& actions = {});

// True when the current log may be abandoned; asks first when a correction is pending.
bool demander_sauvegarde(Etat& etat, Dialogues& dialogues);

} // namespace vorek
