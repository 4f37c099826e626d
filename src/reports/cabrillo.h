#pragma once

#include <QString>
#include <QStringList>

namespace vorek {

class Etat;

// One "QSO:" line for a log row (its cells, column 0 first).
QString ligne_qso_cabrillo(const QStringList& cellules, const QString& station_call,
                           const QString& station_nr_club);

// The whole report: header, one line per row with a call, "END-OF-LOG:".
QStringList lignes_cabrillo(const Etat& etat);

// Writes the report beside the challenge file and keeps its path in fichier_joint, which
// is set before the file is created. Returns the path; throws Erreur.
QString ecrire_cabrillo(Etat& etat);

} // namespace vorek
