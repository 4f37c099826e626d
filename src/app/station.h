#pragma once

#include "base/dialogues.h"
#include "mail/reglages_smtp.h"

#include <QString>

#include <optional>

namespace vorek {

class Etat;
struct Referentiel;

// What the station window's call field brings when its text changes.
struct ResultatIndicatifStation {
    // False for 3 characters or fewer: only the member number is emptied.
    bool recherche = false;
    QString station_call;
    QString membre_numero;
    QString membre_nom;
    QString dxcc_prefixe;
    QString dxcc_continent;
    bool base_trouvee = true;
};

ResultatIndicatifStation indicatif_station(const QString& texte, const Referentiel& referentiel);

struct ServeurSmtp {
    QString serveur;
    QString port;
};

// The SMTP.csv key of an address: after the first "@", up to the first ".".
QString cle_smtp(const QString& adresse);

// The first line of SMTP.csv (after its title line) whose first field is the key; throws
// Erreur when the file cannot be read.
std::optional<ServeurSmtp> chercher_serveur_smtp(const QString& chemin_smtp, const QString& cle);

inline constexpr QLatin1String nom_table_smtp("SMTP.csv");

QString chemin_smtp(const Etat& etat);

struct ResultatEmail {
    // True when the address was taken: the mail-server settings below are then proposed,
    // SMTP.csv's server and port when the table knows the domain, the stored ones otherwise.
    bool propose = false;
    ReglagesSmtp reglages;
    // Why SMTP.csv could not be read, naming it, to be shown in the window (never in a box:
    // the operator is typing); station_email then keeps its value.
    QString erreur;
};

// The e-mail field's change: station_email taken when the address passes the check and the
// table could be read, with the mail server to propose for it.
ResultatEmail email_station(Etat& etat, const QString& texte, const ReglagesSmtp& memorises);

// "Créer Fichier": the dialog's name cut at its first "." with ".VRK", always in the work
// folder. Asks before replacing a file of that final name that the dialog did not name.
DemandeFichier demande_creation_challenge(const Etat& etat);
QString nom_fichier_a_creer(const QString& choisi);
bool creer_fichier(Etat& etat, Dialogues& dialogues);

// The checks of the station window's OK, then the write of the challenge file. The caller
// shows the main window when this answers true.
bool valider_station(Etat& etat, Dialogues& dialogues, const QString& email);

inline const char* const message_indicatif_absent = " ---------  Indicatif absent -----------";
inline const char* const message_fichier_absent = " Il faut créer un fichier de travail";

} // namespace vorek
