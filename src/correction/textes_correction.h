#pragma once

#include <QString>
#include <QStringList>

namespace vorek {

// The texts of the committee's cross-check, exactly as the committee reads them.
namespace textes_correction {

// Why a file is left out.
inline QString refus_sans_debut() {
    return QStringLiteral("pas un compte rendu Cabrillo (pas de ligne START-OF-LOG:)");
}
inline QString refus_sans_indicatif() {
    return QStringLiteral("pas un compte rendu Cabrillo (pas de ligne CALLSIGN:)");
}
inline QString refus_trop_gros() {
    return QStringLiteral("fichier de plus de 64 Mio");
}
inline QString refus_illisible(const QString& cause) {
    return QStringLiteral("fichier illisible : ") + cause;
}
inline QString refus_remplace(const QString& par) {
    return QStringLiteral("remplacé par %1, plus récent, de la même station").arg(par);
}

// The categories of a QSO that is not confirmed.
inline QString confirme() {
    return QStringLiteral("confirmé");
}
inline QString numero_errone() {
    return QStringLiteral("numéro erroné");
}
inline QString absent() {
    return QStringLiteral("absent du journal");
}
inline QString indicatif_errone(const QString& bon) {
    return QStringLiteral("indicatif erroné (%1)").arg(bon);
}
inline QString non_verifiable() {
    return QStringLiteral("non vérifiable");
}
inline QString unique() {
    return QStringLiteral("unique");
}
inline QString non_membre() {
    return QStringLiteral("non membre, non vérifiable");
}
inline QString ligne_illisible() {
    return QStringLiteral("ligne illisible");
}

// What the station report says of them.
inline QString detail_numero(const QString& recu, const QString& envoye) {
    return QStringLiteral("reçu %1, envoyé %2").arg(recu, envoye);
}
inline QString detail_absent(const QString& station, const QString& bande, const QString& debut,
                             const QString& fin) {
    return QStringLiteral("%1 n'a pas de QSO avec vous sur %2 entre %3 et %4")
        .arg(station, bande, debut, fin);
}
inline QString ligne_de(const QString& station) {
    return QStringLiteral("ligne de %1 : ").arg(station);
}
inline QString numero_ligne(int ligne) {
    return QStringLiteral("Ligne %1 : ").arg(ligne);
}
inline QString titre_rapport(int annee) {
    return QStringLiteral("Challenge VOREK %1 : correction du compte rendu").arg(annee);
}
inline QString station(const QString& indicatif, const QString& nom) {
    return nom.isEmpty() ? QStringLiteral("Station : ") + indicatif
                         : QStringLiteral("Station : %1 (%2)").arg(indicatif, nom);
}
inline QString fichier_lu(const QString& fichier) {
    return QStringLiteral("Compte rendu : ") + fichier;
}
inline QString score_revendique(int qso, int points) {
    return QStringLiteral("Score revendiqué : %1 QSO, %2 points").arg(qso).arg(points);
}
inline QString score_verifie(int qso, int points) {
    return QStringLiteral("Score vérifié : %1 QSO, %2 points").arg(qso).arg(points);
}
inline QString tous_confirmes() {
    return QStringLiteral("Tous les QSO sont confirmés.");
}
inline QString qso_non_confirmes() {
    return QStringLiteral("QSO non confirmés :");
}

// The results table, in the CSV file and on the page.
inline QStringList entetes_resultats() {
    return {QStringLiteral("Rang"),
            QStringLiteral("Indicatif"),
            QStringLiteral("Nom"),
            QStringLiteral("QSO revendiqués"),
            QStringLiteral("Points revendiqués"),
            QStringLiteral("QSO vérifiés"),
            QStringLiteral("Points vérifiés"),
            QStringLiteral("Absents"),
            QStringLiteral("Indicatifs erronés"),
            QStringLiteral("Numéros erronés"),
            QStringLiteral("Non vérifiables"),
            QStringLiteral("Uniques"),
            QStringLiteral("Fichier")};
}
inline QString titre_page(int annee) {
    return QStringLiteral("Challenge VOREK %1 : résultats vérifiés").arg(annee);
}
inline QString aide_page() {
    return QStringLiteral("Cliquez sur un titre de colonne pour trier ; l'indicatif ouvre le "
                          "rapport de la station.");
}

// The command line and the window.
inline QString refus_cli(const QString& fichier, const QString& raison) {
    return QStringLiteral("refusé\t%1\t%2").arg(fichier, raison);
}
inline QString dossier_introuvable(const QString& dossier) {
    return QStringLiteral("Dossier des comptes rendus introuvable : ") + dossier;
}
inline QString aucun_compte_rendu() {
    return QStringLiteral("Aucun compte rendu n'a pu être traité");
}
inline QString sortie_impossible(const QString& dossier) {
    return QStringLiteral("Le dossier de sortie ne peut pas être créé : ") + dossier;
}
inline QString ecrasement_refuse(const QString& chemin) {
    return QStringLiteral("Écriture refusée : %1 est un compte rendu lu").arg(chemin);
}
inline QString menu_correction() {
    return QStringLiteral("Correction des comptes rendus");
}
inline QString titre_dossier() {
    return QStringLiteral("Dossier des comptes rendus à corriger");
}
inline QString etape_lecture(int lus, int total) {
    return QStringLiteral("Comptes rendus lus : %1 / %2").arg(lus).arg(total);
}
inline QString etape_paires(qint64 faites, qint64 total) {
    return QStringLiteral("Paires vérifiées : %1 / %2").arg(faites).arg(total);
}
inline QString etape_scores(int faits, int total) {
    return QStringLiteral("Scores et rapports : %1 / %2").arg(faits).arg(total);
}
inline QString annuler() {
    return QStringLiteral("Annuler");
}
inline QString correction_annulee() {
    return QStringLiteral("Correction annulée : aucun fichier n'a été écrit.");
}
inline QString fichiers_ecartes() {
    return QStringLiteral("Fichiers écartés :");
}

} // namespace textes_correction

} // namespace vorek
