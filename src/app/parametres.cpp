#include "parametres.h"

#include "base/erreur.h"
#include "base/fichier_reglages.h"
#include "log/etat.h"

namespace vorek {

namespace {

Geometrie lire_geometrie(const FichierReglages& ini, const QString& fenetre,
                         const Geometrie& defaut) {
    return {ini.entier({Cle::fenetre_largeur, fenetre}, defaut.largeur),
            ini.entier({Cle::fenetre_haut, fenetre}, defaut.haut),
            ini.entier({Cle::fenetre_gauche, fenetre}, defaut.gauche),
            ini.entier({Cle::fenetre_hauteur, fenetre}, defaut.hauteur)};
}

void ecrire_geometrie(FichierReglages& ini, const QString& fenetre, const Geometrie& g) {
    ini.ecrire({Cle::fenetre_largeur, fenetre}, g.largeur);
    ini.ecrire({Cle::fenetre_haut, fenetre}, g.haut);
    ini.ecrire({Cle::fenetre_gauche, fenetre}, g.gauche);
    ini.ecrire({Cle::fenetre_hauteur, fenetre}, g.hauteur);
}

Reglage colonne(int col) {
    return {Cle::largeur_colonne, QString::number(col)};
}

// A window placed by the program on its first opening has no place stored yet.
std::optional<Geometrie> lire_place(const FichierReglages& ini, const QString& fenetre) {
    if (!ini.contient({Cle::fenetre_largeur, fenetre})) {
        return std::nullopt;
    }
    return lire_geometrie(ini, fenetre, {});
}

void ecrire_place(FichierReglages& ini, const QString& fenetre, const std::optional<Geometrie>& g) {
    if (g) {
        ecrire_geometrie(ini, fenetre, *g);
    }
}

} // namespace

QString chemin_parametres(const Etat& etat) {
    return etat.rep_cfg + QStringLiteral("/Challenge_VRK.ini");
}

Parametres lire_parametres(const QString& chemin, int nb_colonnes) {
    const FichierReglages ini(chemin);
    Parametres p;
    p.form_main = lire_geometrie(ini, QStringLiteral("Form_main"), p.form_main);
    p.form_infos = lire_geometrie(ini, QStringLiteral("Form_infos"), p.form_infos);
    p.form_choix_ADIF = lire_geometrie(ini, QStringLiteral("Form_choix_ADIF"), p.form_choix_ADIF);
    p.form_infoCR = lire_place(ini, QStringLiteral("Form_infoCR"));
    p.form_statistiques = lire_place(ini, QStringLiteral("Form_statistiques"));
    p.form_verification = lire_place(ini, QStringLiteral("Form_verification"));
    for (int col = 0; col < nb_colonnes; ++col) {
        p.largeurs_colonnes.append(ini.entier(colonne(col), largeur_colonne_parametres));
        p.largeurs_enregistrees = p.largeurs_enregistrees || ini.contient(colonne(col));
    }
    p.email = ini.texte(Cle::email, QString());
    p.smtp = lire_reglages_smtp(ini);
    p.dernier_fichier = ini.texte(Cle::dernier_fichier, QString());
    p.derniere_bande = ini.texte(Cle::derniere_bande, QString());
    return p;
}

void ecrire_parametres(const QString& chemin, const Parametres& parametres) {
    FichierReglages ini(chemin);
    ecrire_geometrie(ini, QStringLiteral("Form_main"), parametres.form_main);
    ecrire_geometrie(ini, QStringLiteral("Form_infos"), parametres.form_infos);
    ecrire_geometrie(ini, QStringLiteral("Form_choix_ADIF"), parametres.form_choix_ADIF);
    ecrire_place(ini, QStringLiteral("Form_infoCR"), parametres.form_infoCR);
    ecrire_place(ini, QStringLiteral("Form_statistiques"), parametres.form_statistiques);
    ecrire_place(ini, QStringLiteral("Form_verification"), parametres.form_verification);
    for (int col = 0; col < parametres.largeurs_colonnes.size(); ++col) {
        ini.ecrire(colonne(col), parametres.largeurs_colonnes[col]);
    }
    ini.ecrire(Cle::email, parametres.email);
    ecrire_reglages_smtp(ini, parametres.smtp);
    ini.ecrire(Cle::dernier_fichier, parametres.dernier_fichier);
    ini.ecrire(Cle::derniere_bande, parametres.derniere_bande);
    ini.enregistrer();
}

std::optional<Geometrie> lire_geometrie_fenetre(const QString& chemin, const QString& fenetre) {
    return lire_place(FichierReglages(chemin), fenetre);
}

bool ecrire_geometrie_fenetre(const QString& chemin, const QString& fenetre, const Geometrie& g) {
    FichierReglages ini(chemin);
    ecrire_geometrie(ini, fenetre, g);
    try {
        ini.enregistrer();
        return true;
    } catch (const Erreur&) {
        return false;
    }
}

} // namespace vorek
