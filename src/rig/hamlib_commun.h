#pragma once

#include <QMutex>
#include <QString>

namespace vorek {

// Hamlib keeps its backend table and its debug level in process-wide state. Every call that
// touches them (loading backends, listing models, rig_init) holds this lock; calls on one
// open rig do not need it.
QMutex& verrou_hamlib();

// Silences Hamlib's debug output, which would otherwise flood the terminal. Call with the
// lock held, before any other Hamlib call.
void faire_taire_hamlib();

// A Hamlib error code (negative as Hamlib returns it, or positive) as a French cause of our
// own, for example "la radio ne répond pas"; Hamlib's English text never reaches the operator.
QString cause_hamlib(int code);

// Hamlib's own text for the code, kept for the diagnostics; empty for a code it does not
// know.
QString texte_hamlib(int code);

} // namespace vorek
