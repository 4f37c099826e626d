#pragma once

#include <QString>

namespace vorek {

class Etat;

// Sets rep_programme to the program's folder and creates the three work folders beside it.
// An installed program cannot write there: the work folders then go, under the same names,
// into dossier_donnees (the user's data folder). A folder that cannot be created is not
// reported here; the first file operation in it will be.
void preparer_dossiers(Etat& etat, const QString& dossier_programme,
                       const QString& dossier_donnees);

bool dossier_inscriptible(const QString& dossier);

} // namespace vorek
