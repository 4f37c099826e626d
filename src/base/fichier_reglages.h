#pragma once

#include <QSettings>
#include <QString>

#include <climits>
#include <optional>

namespace vorek {

// Every key of the program's settings files: cfg/Challenge_VRK.ini (the windows, the session,
// the mail server, the radio, the keyer and the cluster) and cfg/serveurs.ini (where the reference
// files come from and where the report goes). A key of a family (a window, a column, an F key)
// takes the member's name as its parameter.
enum class Cle {
    fenetre_largeur, // Windows/<window>W
    fenetre_haut,
    fenetre_gauche,
    fenetre_hauteur,
    largeur_colonne, // Grille/WCol<column>
    email,
    dernier_fichier,
    derniere_bande,
    smtp_serveur,
    smtp_port,
    smtp_securite,
    smtp_utilisateur,
    smtp_verifier_certificat,
    radio_modele,
    radio_port,
    radio_vitesse,
    manipulateur_type,
    manipulateur_hote,
    manipulateur_port,
    manipulateur_wpm,
    message_cw, // MessagesCW/F<number>
    cluster_hote,
    cluster_port,
    cluster_indicatif,
    cluster_commandes,
    cluster_cw_seulement,
    cluster_membres_seulement,
    cluster_duree,
    serveur_club,
    serveur_pays,
    email_comite,
};

// A key, with its member for a key of a family; a plain key converts.
struct Reglage {
    Reglage(Cle c) : cle(c) {}
    Reglage(Cle c, const QString& membre) : cle(c), parametre(membre) {}
    Cle cle;
    QString parametre;
};

// "Section/Name" as the file writes it.
QString chemin_reglage(const Reglage& reglage);

// One settings file in the INI format. Reading never fails: a missing file or key reads as
// absent. Writing replaces only the keys written, the others (and other sections) are kept.
class FichierReglages {
  public:
    explicit FichierReglages(const QString& chemin);

    bool contient(const Reglage& reglage) const;
    // The text stored; a value that reads as a list (an unquoted comma) gives its items
    // joined by ", ", as typed. Nothing when absent.
    std::optional<QString> texte(const Reglage& reglage) const;
    QString texte(const Reglage& reglage, const QString& defaut) const {
        return texte(reglage).value_or(defaut);
    }
    // A whole number from min to max, blanks around allowed; the default otherwise.
    int entier(const Reglage& reglage, int defaut, int min = INT_MIN, int max = INT_MAX) const;

    void ecrire(const Reglage& reglage, const QString& valeur);
    void ecrire(const Reglage& reglage, int valeur) { ecrire(reglage, QString::number(valeur)); }
    // Writes what was set; throws Erreur naming the file when it cannot be written.
    void enregistrer();

  private:
    QString chemin_;
    QSettings ini_;
};

} // namespace vorek
