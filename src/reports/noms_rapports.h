#pragma once

#include "base/fichier_texte.h"

#include <QString>
#include <QStringList>

namespace vorek {

class Etat;

// Where the report files go. A bare current file lies in the work folder, and so do the
// files named after it.

// The path with its extension (from the file name's last ".") replaced, or added.
QString avec_extension(const QString& chemin, const QString& extension);

// The path cut before its file name's ".VRK", in any case; without one, its extension cut.
QString sans_extension_vrk(const QString& chemin);

QString chemin_cabrillo(const Etat& etat);
QString chemin_adif_rapport(const Etat& etat);
QString chemin_rapport_texte(const Etat& etat);
QString chemin_ascii(const Etat& etat);
// The export lands in the work folder under the file-name part of the chosen name.
QString chemin_export_adif(const Etat& etat, const QString& nom_choisi);

// Writes a report file (ecrire_lignes). A report never replaces the challenge file it is
// made from (a log named ETE.LOG, an export given the log's own name): that is refused with
// message_rapport_sur_journal and nothing is written. Throws Erreur.
void ecrire_rapport(const Etat& etat, const QString& chemin, const QStringList& lignes);
// The same for a writer that gives its lines one by one (ecrire_flux).
void ecrire_rapport(const Etat& etat, const QString& chemin, const Rediger& rediger);
QString message_rapport_sur_journal(const QString& chemin);

} // namespace vorek
