#pragma once

#include "lecture_adif.h"

#include <QString>

namespace vorek {

// cles: the tool's "key=count" lines; libelles: the operator's "label : count" lines.
enum class FormeComptes { cles, libelles };

// Every count of an import, QSOs taken then records left out by reason, one line each in
// the same order for the tool and the windows, so that the two never tell different stories.
QString texte_comptes_import(const LectureAdif& lecture, FormeComptes forme);

} // namespace vorek
