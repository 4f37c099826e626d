#pragma once

#include "annonces.h"
#include "fiche_station.h"
#include "table_journal.h"

#include <QString>

namespace vorek {

// The program-wide state: one object, created at start and passed by reference.
class Etat {
  public:
    Etat() = default;
    Etat(const Etat&) = delete;
    Etat& operator=(const Etat&) = delete;

    // Folders; rep_programme ends with a separator, the three others do not.
    void fixer_rep_programme(const QString& dossier);

    Station station;
    // The DXCC prefixes of the country list, in its order: the station window's choices and
    // the entry's prefix list.
    QStringList liste_dxcc;

    QString rep_programme;
    QString rep_challenge;
    QString rep_BD;
    QString rep_cfg;

    QString fichier_courant;
    // The Cabrillo report last written, which the report e-mail attaches.
    QString fichier_joint;
    // Not "the file has changed": set while a row taken back into the entry, or inserted,
    // waits for its commit (a correction is pending). The commit, the entry's "Effacer", a
    // load and every save the operator asks for clear it; the save after each change of
    // the log keeps it.
    bool fichier_modifie = false;
    int ligne_editee = 0;
    // The free row a new QSO goes to.
    int ligne_suivante = 1;
    bool temps_reel = true;
    double debut_concours = 0;
    double fin_concours = 0;
    int decalage_UTC = 0;
    QString version_prog;
    int score_total = 0;
    // The QSO rows as they stood before the sort by call, so that the return to date order
    // gives QSOs of the same moment back in that order; empty when not sorted by call.
    QList<QStringList> ordre_avant_tri;

    TableJournal table;
    Annonces annonces;
};

// A bare name lies in rep_challenge; a path with a folder is taken as it is.
QString chemin_dans_challenge(const Etat& etat, const QString& chemin);

// The file-name part of a path, whichever separator it uses.
QString nom_de_fichier(const QString& chemin);

// Rows 1..n-1 whose call cell is not empty.
int compter_QSO(const TableJournal& table);

// The main window's title: the file name and the QSO count (rows with a call).
QString titre_principal(const Etat& etat);

// "V" + the four-number version + " (12/2023)".
QString texte_version_prog(const QString& version);

// The build's version, four numbers joined by dots.
QString version_programme();

} // namespace vorek
