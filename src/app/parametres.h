#pragma once

#include "mail/reglages_smtp.h"

#include <QList>
#include <QString>
#include <optional>

#include <optional>

namespace vorek {

class Etat;

// Position and size of a window as the settings file stores them: width, top, left, height.
struct Geometrie {
    int largeur = 0;
    int haut = 0;
    int gauche = 0;
    int hauteur = 0;
    bool operator==(const Geometrie&) const = default;
};

// What Challenge_VRK.ini keeps from one run to the next. The defaults are those of a first
// start, far from the design sizes as they have always been.
struct Parametres {
    Geometrie form_main{910, 160, 600, 800};
    Geometrie form_infos{395, 440, 770, 90};
    Geometrie form_choix_ADIF{370, 260, 310, 140};
    // The windows placed when they are first shown, each absent until it was.
    std::optional<Geometrie> form_infoCR;
    std::optional<Geometrie> form_statistiques;
    std::optional<Geometrie> form_verification;
    QList<int> largeurs_colonnes;
    // False on a first start: no width stored yet, the grid sizes its columns to their content.
    bool largeurs_enregistrees = false;
    QString email;
    // Where the operator left off: the challenge file (full path) and the band, reopened at
    // the next start. Kept in a section of their own, which older readers pass over.
    QString dernier_fichier;
    QString derniere_bande;
    // The mail server last used; never a password.
    ReglagesSmtp smtp;
};

constexpr int largeur_colonne_parametres = 50;

QString chemin_parametres(const Etat& etat);

// Never fails: a missing file or key, or a value that is not a number, gives the default.
// nb_colonnes is the log grid's column count, one "WCol" key per column.
Parametres lire_parametres(const QString& chemin, int nb_colonnes);

// Replaces the values of the keys; throws Erreur naming the file when it cannot be written.
void ecrire_parametres(const QString& chemin, const Parametres& parametres);

// A window kept under its own name in the same [Windows] keys as the others; nothing when
// none was stored. The write says whether the file took it.
std::optional<Geometrie> lire_geometrie_fenetre(const QString& chemin, const QString& fenetre);
bool ecrire_geometrie_fenetre(const QString& chemin, const QString& fenetre, const Geometrie& g);

} // namespace vorek
