#pragma once

// The parts of the report check, each over its section of the report.

#include "verification.h"

#include <QList>
#include <QStringList>

#include <memory>

namespace vorek {

struct Station;

void ajouter_constat(QList<Constat>& constats, int ligne, const char* code, const QString& texte);

// The lines before the first "QSO:" line against the header the writer makes for the
// station: each line there, in order, as written, the station's call, name and address
// not empty.
void verifier_entete(const QStringList& entete, const Station& station, QList<Constat>& constats);

// The "QSO:" lines against the rows with a call, in table order, given one at a time as
// the report is read, then their count and their score read back and rescored against the
// window's. Only what the lines to come need of a line is kept.
class VerificationLignesQso {
  public:
    VerificationLignesQso(const SourceVerification& source, QList<Constat>& constats);
    ~VerificationLignesQso();
    VerificationLignesQso(const VerificationLignesQso&) = delete;
    VerificationLignesQso& operator=(const VerificationLignesQso&) = delete;

    void verifier(const QString& ligne);
    // After the last line.
    void terminer();

  private:
    struct Donnees;
    std::unique_ptr<Donnees> d_;
};

} // namespace vorek
