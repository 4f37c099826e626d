#include "refdata/referentiel.h"

#include "refdata/noms_fichiers.h"

namespace vorek {

Referentiel::Referentiel(const QString& rep_cfg, const QString& rep_BD)
    : pays(rep_cfg + QLatin1Char('/') + nom_liste_dxcc),
      membres(rep_BD + QLatin1Char('/') + nom_base_membres) {}

} // namespace vorek
