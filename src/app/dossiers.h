#pragma once

#include <QString>

namespace vorek {

class Etat;

// True for a program installed by a package or `cmake --install`: its executable's folder
// has the installed data folder beside it.
bool programme_installe(const QString& dossier_executable);

// The folder that plays the program folder. A copy that carries its files with it (the build
// tree, a portable folder) works beside its executable; an installed program, or one whose
// folder cannot be written, works in the user's data folder dossier_donnees.
QString dossier_de_travail(const QString& dossier_executable, const QString& dossier_donnees);

// Sets rep_programme to the folder dossier_de_travail gives, creates the three work folders
// in it and installs the mail-server table. A folder that cannot be created is not reported here;
// the first file operation in it will be.
void preparer_dossiers(Etat& etat, const QString& dossier_executable,
                       const QString& dossier_donnees);

bool dossier_inscriptible(const QString& dossier);

// cfg/SMTP.csv copied from the shipped table when cfg has none, so that an address proposes
// its mail server from the first start; a table already there is the operator's and stays.
void installer_table_smtp(const Etat& etat, const QString& dossier_executable);

} // namespace vorek
