#pragma once

#include "table_journal.h"

#include <QString>

namespace vorek {

// Texts of the station window's fields, as the operator sees them. The reports print some
// of them as they stand; the GUI keeps them in step with its widgets.
struct ChampsStation {
    QString Edit_call;
    QString Edit_nom;
    QString Edit_adresse1;
    QString Edit_adresse2;
    QString Edit_ZTC;
    QString Edit_email;
};

// The program-wide state: one object, created at start and passed by reference.
class Etat {
  public:
    Etat() = default;
    Etat(const Etat&) = delete;
    Etat& operator=(const Etat&) = delete;

    // Folders; rep_programme ends with a separator, the three others do not.
    void fixer_rep_programme(const QString& dossier);

    QString station_call;
    QString station_nom;
    QString station_adresse1;
    QString station_adresse2;
    QString station_nr_club;
    QString station_DXCC;
    QString station_continent;
    QString station_email;
    ChampsStation champs;

    QString rep_programme;
    QString rep_challenge;
    QString rep_BD;
    QString rep_cfg;

    QString fichier_courant;
    // The Cabrillo report last written, which the report e-mail attaches.
    QString fichier_joint;
    // Despite its name, a correction is pending: a row was taken into the entry panel for
    // correction, or inserted empty, and the next commit writes into ligne_editee instead of
    // the free row. Closing the log meanwhile asks whether to save it.
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
