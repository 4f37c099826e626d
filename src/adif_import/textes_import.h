#pragma once

#include <QString>
#include <QStringList>

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

inline QString bouton_annuler() {
    return QStringLiteral("Annuler");
}

// The counts of an import, in the order the tool prints them: QSOs taken, records left
// out, then left out by reason.
inline QStringList libelles_comptes() {
    return {QStringLiteral("QSO importés"),
            QStringLiteral("Enregistrements écartés"),
            QStringLiteral("  pas en CW"),
            QStringLiteral("  indicatif non membre"),
            QStringLiteral("  sans indicatif"),
            QStringLiteral("  date ou heure illisible (QSO_DATE, TIME_ON)"),
            QStringLiteral("  inachevés (sans <EOR>)")};
}

inline QString rien_a_importer() {
    return QStringLiteral("Aucun QSO à importer : le journal et les fichiers restent tels quels.");
}

// %1 the QSO count of the log, %2 that of the ADIF file.
inline QString question_remplacement() {
    return QStringLiteral("Remplacer les %1 QSO du journal par les %2 QSO du fichier ADIF ?");
}

// %1 the file, %2 its QSO count.
inline QString fichier_existant() {
    return QStringLiteral("Le fichier %1 existe déjà et contient %2 QSO.");
}
inline QString fichier_existant_illisible() {
    return QStringLiteral("Le fichier %1 existe déjà (ce n'est pas un journal lisible).");
}
inline QString question_copie() {
    return QStringLiteral(
        "\nLe remplacer par le journal importé ?\n\nNon : importer sans écrire ce "
        "fichier. Annuler : ne rien importer.");
}
inline QString refus_copie() {
    return QStringLiteral(" Rien n'a été importé : ajoutez --ecraser pour le remplacer.");
}

// %1 the replaced QSO count, %2 the dated copy.
inline QString copie_datee_gardee() {
    return QStringLiteral("Les %1 QSO remplacés sont gardés dans %2");
}
// %1 the runtime's text.
inline QString copie_datee_impossible() {
    return QStringLiteral("Copie du journal avant remplacement impossible (%1) : rien n'a été "
                          "remplacé.");
}
// %1 the file, %2 the runtime's text.
inline QString enregistrement_impossible() {
    return QStringLiteral("Enregistrement de %1 impossible : %2");
}

// The command-line tool without a station call: every QSO counts as on another continent.
inline QString station_provisoire() {
    return QStringLiteral("Pas d'indicatif de station (--indicatif, ou la station du journal de "
                          "--ajout) : les points de continent sont provisoires");
}
inline QString indicatif_trop_court() {
    return QStringLiteral("L'indicatif de station doit avoir au moins 4 caractères : %1");
}

// The command-line tool's refusal when the member database is missing.
inline QString rien_importe_sans_base() {
    return QStringLiteral("Fichier BD Membres absent : aucun QSO n'a été importé");
}

} // namespace textes_import

} // namespace vorek
