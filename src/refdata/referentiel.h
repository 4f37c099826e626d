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

// Both reference files looked at once for an operation (OperationMembres, OperationPays).
class OperationReferentiel {
  public:
    explicit OperationReferentiel(const Referentiel& referentiel)
        : pays_(referentiel.pays), membres_(referentiel.membres) {}

  private:
    OperationPays pays_;
    OperationMembres membres_;
};

} // namespace vorek
