#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace vorek {

// What a country file gives: the DXCC list's lines and the primary prefixes the entity
// choice list receives, both in file order.
struct ConversionPays {
    QStringList lignes_dxcc;
    QStringList entites;
};

// The country file's lines, header included (its first four lines are skipped).
ConversionPays convertir_lignes_pays(const QStringList& lignes);

// The country file shipped with the program (data/cty_wt_mod.dat beside the program, or in
// the source tree of this build), or an empty text when neither exists.
QString chemin_fichier_pays_livre();

// rep_cfg/cty_wt.dat -> rep_cfg/DXCC.CSV. When the country file is missing, telecharger
// is called first; if it is still missing, fichier_pays_secours is read instead (nothing
// happens when that one is missing too). Returns the items for the entity choice list.
// The DXCC list is replaced only once complete. Throws Erreur on a file error.
QStringList
convertir_fichier_pays(const QString& rep_cfg, const std::function<void()>& telecharger = {},
                       const QString& fichier_pays_secours = chemin_fichier_pays_livre());

} // namespace vorek
