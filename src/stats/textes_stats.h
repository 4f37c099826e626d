#pragma once

#include <QDate>
#include <QString>

namespace vorek {

// The texts of the statistics and of the report check, exactly as the operator sees them.
namespace textes_stats {

inline QString jour() {
    return QStringLiteral("Jour");
}
inline QString total() {
    return QStringLiteral("Total");
}
inline QString date_illisible() {
    return QStringLiteral("Date illisible");
}
inline QString sans_bande() {
    return QStringLiteral("Sans bande");
}
inline QString colonne_qso(const QString& bande) {
    return bande + QStringLiteral(" QSO");
}
inline QString colonne_points(const QString& bande) {
    return bande + QStringLiteral(" pts");
}
inline QString membres() {
    return QStringLiteral("Membres");
}
inline QString nouveaux_membres() {
    return QStringLiteral("Nouveaux membres");
}
inline QString membres_contactes() {
    return QStringLiteral("Membres contactés");
}
inline QString qso_heure_courante() {
    return QStringLiteral("QSO dans l'heure en cours");
}
inline QString qso_heure_precedente() {
    return QStringLiteral("QSO dans l'heure précédente");
}

// The windows.
inline QString titre_statistiques() {
    return QStringLiteral("Statistiques");
}
inline QString menu_statistiques() {
    return QStringLiteral("&Statistiques");
}
inline QString onglet_tableau() {
    return QStringLiteral("Par jour et par bande");
}
inline QString bouton_png() {
    return QStringLiteral("Enregistrer en PNG");
}
inline QString titre_demande_png() {
    return QStringLiteral("Enregistrer les graphiques");
}
inline QString filtre_png() {
    return QStringLiteral("Image PNG (*.png)|*.png");
}
inline QString nom_png() {
    return QStringLiteral("statistiques.png");
}
inline QString titre_verification() {
    return QStringLiteral("Vérifier le compte rendu");
}
inline QString bouton_verifier() {
    return QStringLiteral("Vérifier de nouveau");
}
inline QString bouton_fermer() {
    return QStringLiteral("Fermer");
}
// The plots.
inline QString titre_horaire() {
    return QStringLiteral("QSO par heure et score cumulé");
}
inline QString serie_qso_heure() {
    return QStringLiteral("QSO par heure");
}
inline QString serie_qso_jour() {
    return QStringLiteral("QSO par jour");
}
inline QString titre_par_jour() {
    return QStringLiteral("QSO par jour et score cumulé");
}
inline QString titre_horaire_du_jour(const QDate& jour) {
    return titre_horaire() + QStringLiteral(" — ") + jour.toString(QStringLiteral("dd/MM/yyyy"));
}
inline QString axe_heures() {
    return QStringLiteral("Heure (UTC)");
}
inline QString axe_jours() {
    return QStringLiteral("Jour (UTC)");
}
// The day list of the rate plot: every day first, then each day holding QSOs.
inline QString tous_les_jours() {
    return QStringLiteral("Tous les jours");
}
inline QString libelle_jour() {
    return QStringLiteral("Jour :");
}
inline QString serie_score_cumule() {
    return QStringLiteral("Score cumulé");
}
inline QString titre_bandes() {
    return QStringLiteral("Points par bande");
}
inline QString serie_points() {
    return QStringLiteral("Points");
}

inline QString image_enregistree(const QString& chemin) {
    return QStringLiteral("Graphiques enregistrés dans %1").arg(chemin);
}
inline QString image_non_ecrite(const QString& chemin) {
    return QStringLiteral("L'image %1 n'a pas pu être écrite").arg(chemin);
}

// The report check: where a finding stands, then what it says.
inline QString ligne_constat(int ligne) {
    return QStringLiteral("Ligne %1").arg(ligne);
}
inline QString compte_rendu() {
    return QStringLiteral("Compte rendu");
}
inline QString journal_vide() {
    return QStringLiteral("Le journal ne contient aucun QSO");
}
inline QString aucun_constat() {
    return QStringLiteral("Aucune remarque : le compte rendu est conforme.");
}
inline QString nombre_constats(qsizetype n) {
    return n == 1 ? QStringLiteral("1 remarque") : QStringLiteral("%1 remarques").arg(n);
}
inline QString aide_constats(qsizetype n) {
    return nombre_constats(n) +
           QStringLiteral(" (avertissements : l'envoi reste possible). Double-cliquer sur une "
                          "ligne pour retrouver le QSO dans le journal.");
}
inline QString constats_de_plus(qsizetype n) {
    return QStringLiteral("… et %1 de plus").arg(n);
}
inline QString envoyer_quand_meme(const QString& liste, qsizetype n) {
    return QStringLiteral("Le compte rendu appelle %1 :\n\n%2\n\nEnvoyer quand même ?")
        .arg(nombre_constats(n), liste);
}

inline QString entete_absente(const QString& etiquette) {
    return QStringLiteral("Ligne d'en-tête « %1 » absente").arg(etiquette);
}
inline QString entete_desordre(const QString& etiquette, const QString& precedente) {
    return QStringLiteral("Ligne d'en-tête « %1 » placée avant « %2 »").arg(etiquette, precedente);
}
inline QString entete_differente(const QString& lue, const QString& attendue) {
    return QStringLiteral("Ligne d'en-tête « %1 » au lieu de « %2 »").arg(lue, attendue);
}
inline QString indicatif_station_vide() {
    return QStringLiteral("Indicatif de la station absent de l'en-tête (CALLSIGN)");
}
inline QString nom_vide() {
    return QStringLiteral("Nom de l'opérateur absent de l'en-tête (NAME)");
}
inline QString adresse_vide(int numero) {
    return numero == 1 ? QStringLiteral("Première ligne d'adresse vide (ADDRESS)")
                       : QStringLiteral("Deuxième ligne d'adresse vide (ADDRESS)");
}
inline QString fin_absente() {
    return QStringLiteral("Ligne « END-OF-LOG: » absente à la fin du compte rendu");
}
inline QString nombre_qso(qsizetype lignes, int qso) {
    return QStringLiteral("Le compte rendu compte %1 lignes QSO, le journal %2 QSO")
        .arg(lignes)
        .arg(qso);
}
inline QString ligne_illisible(const QString& champ, int premiere, int derniere) {
    return QStringLiteral("Ligne QSO illisible : champ « %1 » incorrect (caractères %2 à %3)")
        .arg(champ)
        .arg(premiere)
        .arg(derniere);
}
inline QString frequence_absente(const QString& bande) {
    return bande.isEmpty()
               ? QStringLiteral("QSO sans bande : pas de fréquence dans le compte rendu")
               : QStringLiteral("Bande « %1 » sans fréquence dans le compte rendu").arg(bande);
}
inline QString frequence_inconnue(const QString& frequence) {
    return QStringLiteral("Fréquence « %1 » d'aucune bande du concours").arg(frequence);
}
inline QString indicatif_coupe(const QString& indicatif, const QString& lu) {
    return QStringLiteral("Indicatif %1 (%2 caractères) coupé à %3 dans le compte rendu : %4")
        .arg(indicatif)
        .arg(indicatif.size())
        .arg(lu.size())
        .arg(lu);
}
inline QString indicatif_different(const QString& lu, const QString& journal) {
    return QStringLiteral("Indicatif %1 dans le compte rendu, %2 dans le journal").arg(lu, journal);
}
inline QString numero_coupe(const QString& numero, const QString& lu) {
    return QStringLiteral("N° ZTC %1 coupé à %2 caractères dans le compte rendu : %3")
        .arg(numero)
        .arg(lu.size())
        .arg(lu);
}
// %1 the field's name, %2 as the report has it, %3 as the log row gives it.
inline QString champ_different(const QString& champ, const QString& lu, const QString& journal) {
    return QStringLiteral("Champ « %1 » : « %2 » dans le compte rendu, « %3 » d'après le journal")
        .arg(champ, lu, journal);
}
inline QString hors_periode(const QString& date_heure) {
    return QStringLiteral("QSO du %1 hors de la période du concours").arg(date_heure);
}
inline QString double_qso(int premiere) {
    return QStringLiteral("Même QSO que la ligne %1").arg(premiere);
}
inline QString zero_point(const QString& raison) {
    return QStringLiteral("0 point : %1").arg(raison);
}
inline QString bande_hors_bareme(const QString& bande) {
    return QStringLiteral("bande « %1 » hors barème").arg(bande);
}
inline QString sans_raison() {
    return QStringLiteral("sans remarque");
}
inline QString points(int n) {
    return n > 1 || n < -1 ? QStringLiteral("%1 points").arg(n) : QStringLiteral("%1 point").arg(n);
}
inline QString points_differents(int relus, int journal) {
    return QStringLiteral("Relu du compte rendu, ce QSO vaut %1 ; le journal lui en donne %2")
        .arg(points(relus), points(journal));
}
inline QString score_different(int relu, int fenetre) {
    return QStringLiteral("Le compte rendu relu donne %1, la fenêtre affiche %2")
        .arg(points(relu), points(fenetre));
}
inline QString score_illisible(const QString& erreur) {
    return QStringLiteral("Le compte rendu relu ne se recalcule pas : %1").arg(erreur);
}
inline QString email_absent() {
    return QStringLiteral("Adresse e-mail de la station absente");
}
inline QString email_invalide(const QString& adresse) {
    return QStringLiteral("Adresse e-mail de la station « %1 » invalide").arg(adresse);
}

// The names of the fields of a "QSO:" line, in their order.
inline QString champ_qso(int numero) {
    static const char* const noms[] = {
        "QSO:",       "fréquence",
        "mode",       "date",
        "heure",      "indicatif de la station",
        "RST envoyé", "n° de la station",
        "indicatif",  "RST reçu",
        "n° ZTC",
    };
    return QString::fromUtf8(noms[numero]);
}

} // namespace textes_stats

} // namespace vorek
