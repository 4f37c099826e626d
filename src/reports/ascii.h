#pragma once

#include <QString>
#include <QStringList>

namespace vorek {

class Etat;
struct CellulesQSO;
class SortieLignes;

// The listing line of a log row (its cells, column 0 first): 52 characters.
QString ligne_ascii(const CellulesQSO& qso);

void rediger_ascii(const Etat& etat, SortieLignes& sortie);
QStringList lignes_ascii(const Etat& etat);

// Writes the listing beside the challenge file; returns its path. Throws Erreur.
QString exporter_ascii(const Etat& etat);

// What the operator is told once the listing is written.
QString message_ascii(const Etat& etat);

} // namespace vorek
