#pragma once

#include <QtGlobal>

#include <atomic>
#include <functional>

namespace vorek {

// The threads a run uses: one per core, the calling one included.
int nombre_de_fils();

// Runs travail(i, fil) for every i of [0, n) on nombre_de_fils() threads; fil numbers the
// thread (0 is the calling one), so that each works with objects of its own. avancer(faits)
// is called by the calling thread only. No new work is taken once annuler is set. The first
// exception of a travail is thrown again once every thread has stopped.
void en_parallele(qint64 n, const std::function<void(qint64 i, int fil)>& travail,
                  const std::function<void(qint64 faits)>& avancer,
                  const std::atomic_bool* annuler);

} // namespace vorek
