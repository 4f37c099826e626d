#pragma once

#include "refdata/conversion_pays.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace vorek {

// The DXCC list kept beside the program (rep_programme + "DXCC.CSV", name matched without
// regard to case), or an empty text when there is none.
QString liste_dxcc_programme(const QString& rep_programme);

// The entity prefixes of a DXCC list (third field of each line that has one), consecutive
// repeats dropped. Throws Erreur on a file error.
QStringList lire_entites_dxcc(const QString& chemin);

// The entity choice list at start: from the DXCC list beside the program when there is one,
// otherwise from the conversion of the country file (which also rewrites rep_cfg/DXCC.CSV).
ResultatConversion entites_au_demarrage(const QString& rep_programme, const QString& rep_cfg,
                                        const std::function<void()>& telecharger_fichier_pays);

} // namespace vorek
