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

// A Hamlib error code (negative as Hamlib returns it, or positive) as a French cause followed
// by Hamlib's own text, for example "la radio ne répond pas (Hamlib : Communication timed
// out)".
QString cause_hamlib(int code);

} // namespace vorek
