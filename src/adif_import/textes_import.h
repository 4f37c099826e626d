#pragma once

#include <QString>

namespace vorek {

// The operator-facing texts of the ADIF import, exactly as shown.
namespace textes_import {

inline QString titre_choix() {
    return QStringLiteral("IMPORTATION ADIF");
}
inline QString choix_remplacement() {
    return QStringLiteral("L'importation ADIf peut remplacer les QSO existants");
}
inline QString choix_ajout() {
    return QStringLiteral("ou ajouter les nouveaux QSO aux QSO existants");
}
inline QString bouton_remplacement() {
    return QStringLiteral("Remplacement");
}
inline QString bouton_ajout() {
    return QStringLiteral("Ajout");
}

// Description and pattern: the dialog shows "Fichier ADIF (*.adi)", pattern once.
inline QString filtre() {
    return QStringLiteral("Fichier ADIF|*.adi");
}
inline QString nom_initial() {
    return QStringLiteral("*ADI");
}
inline QString fichier_inexistant() {
    return QStringLiteral("  Fichier inexistant   ");
}
inline QString rappel_station() {
    return QStringLiteral("Vous devez remplir les caractéristiques de la station");
}
// Followed by the current file, " (", the QSO count and " QSO)".
inline QString debut_titre() {
    return QStringLiteral("CHALLENGE d'été VOREK   (12/2023) : Fichier ");
}

// %1 the number of records.
inline QString enregistrements_incomplets() {
    return QStringLiteral(
        "%1 enregistrement(s) CW du fichier ADIF n'ont pas été importés : il leur manque "
        "l'indicatif, une date (QSO_DATE) et une heure (TIME_ON) valides, ou la balise de fin "
        "d'enregistrement (<EOR>).");
}

// The command-line tool's refusal when the member database is missing.
inline QString rien_importe_sans_base() {
    return QStringLiteral("Fichier BD Membres absent : aucun QSO n'a été importé");
}

} // namespace textes_import

} // namespace vorek
