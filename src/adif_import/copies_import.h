#pragma once

#include <QDateTime>
#include <QString>

namespace vorek {

class Etat;

// The QSO count of the challenge file at chemin; -1 when it does not read as one.
int nb_qso_fichier(const QString& chemin);

// What stands where the import would write its copy, when that is something other than the
// current log: the text naming the file and its QSO count. Empty when nothing stands there
// (a link counts, even one that leads nowhere) or when it is the current log.
QString fichier_a_proteger(const Etat& etat, const QString& chemin_copie);

// NAME.AAAAMMJJ-HHMMSS.VRK beside the log, with -2, -3, ... after the moment when that name
// is taken: a copy never replaces another.
QString chemin_copie_datee(const QString& chemin_journal, const QDateTime& moment);

// The log as it stands, written into its dated copy beside the current file; the copy's
// path. Throws Erreur, having written nothing.
QString garder_copie_datee(const Etat& etat, const QDateTime& moment);

} // namespace vorek
