#pragma once

#include "refdata/membres.h"
#include "refdata/pays.h"
#include "refdata/textes_refdata.h"

namespace vorek {

class Etat;

// The reference files of one program folder: the DXCC list in rep_cfg and the member
// database in rep_BD.
struct Referentiel {
    explicit Referentiel(const Etat& etat);
    DonneesPays pays;
    BaseMembres membres;
};

} // namespace vorek
