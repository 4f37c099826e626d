#pragma once

// The parts of the report check, each over its section of the report.

#include "verification.h"

#include <QList>
#include <QStringList>

namespace vorek {

struct Station;

void ajouter_constat(QList<Constat>& constats, int ligne, const char* code, const QString& texte);

// The lines before the first "QSO:" line against the header the writer makes for the
// station: each line there, in order, as written, the station's call, name and address
// not empty.
void verifier_entete(const QStringList& entete, const Station& station, QList<Constat>& constats);

// The "QSO:" lines against the rows with a call, in table order, then their score read
// back and rescored against the window's.
void verifier_lignes_qso(const QStringList& lignes, const SourceVerification& source,
                         QList<Constat>& constats);

} // namespace vorek
