#include "refdata/referentiel.h"

#include "log/etat.h"
#include "refdata/noms_fichiers.h"

namespace vorek {

Referentiel::Referentiel(const Etat& etat)
    : pays(etat.rep_cfg + QLatin1Char('/') + nom_liste_dxcc),
      membres(etat.rep_BD + QLatin1Char('/') + nom_base_membres) {}

} // namespace vorek
