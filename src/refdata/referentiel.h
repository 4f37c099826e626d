#pragma once

#include "refdata/membres.h"
#include "refdata/pays.h"
#include "refdata/textes_refdata.h"

namespace vorek {

// The reference files of one program folder: the DXCC list in its cfg folder and the member
// database in its database folder.
struct Referentiel {
    Referentiel(const QString& rep_cfg, const QString& rep_BD);
    DonneesPays pays;
    BaseMembres membres;
};

} // namespace vorek
