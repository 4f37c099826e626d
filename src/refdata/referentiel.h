#pragma once

#include "refdata/membres.h"
#include "refdata/pays.h"

namespace vorek {

class Etat;

inline const char* const message_base_membres_absente =
    "          Fichier BD Membres absent        ";

// The reference files of one program folder: the DXCC list in rep_cfg and the member
// database in rep_BD.
struct Referentiel {
    explicit Referentiel(const Etat& etat);
    DonneesPays pays;
    BaseMembres membres;
};

} // namespace vorek
