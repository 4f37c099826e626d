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
    // Why the file gives no usable list (no entity on a known continent, a field longer than
    // any real one), in French; both lists are then empty.
    QString refus;
};

// The country file's lines, header included (its first four lines are skipped). Linear in
// the size of the file, and so is what it gives.
ConversionPays convertir_lignes_pays(const QStringList& lignes);

struct ResultatConversion {
    QStringList entites;
    // For the operator, in French, when the country file was refused: what was refused and
    // what is used instead.
    QString avertissement;
};

// The file of that name shipped with the program: in data/ beside the executable (the build
// tree, a portable folder) or in share/challenge-vorek/ once installed; empty when neither
// holds it.
QString chemin_fichier_livre(const QString& dossier_executable, const QString& nom);

// The country file shipped beside this executable, or an empty text when there is none.
QString chemin_fichier_pays_livre();

// rep_cfg/cty_wt.dat -> rep_cfg/DXCC.CSV. When the country file is missing, telecharger
// is called first; if it is still missing, fichier_pays_secours is read instead (nothing
// happens when that one is missing too). Gives the items for the entity choice list.
// The DXCC list is replaced only once complete, and never by a refused file: the list
// already there is kept (its entities are given), or without one fichier_pays_secours is
// converted. Throws Erreur on a file error.
ResultatConversion
convertir_fichier_pays(const QString& rep_cfg, const std::function<void()>& telecharger = {},
                       const QString& fichier_pays_secours = chemin_fichier_pays_livre());

} // namespace vorek
