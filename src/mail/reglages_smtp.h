#pragma once

#include "envoi_smtp.h"

#include <QString>

#include <optional>

namespace vorek {

class FichierReglages;

// The mail-server settings the operator last used, kept in a section of their own of the
// settings file. The password is never among them.
struct ReglagesSmtp {
    QString serveur;
    QString port;
    SecuriteSmtp securite = SecuriteSmtp::automatique;
    QString utilisateur;
    bool verifier_certificat = true;
    bool operator==(const ReglagesSmtp&) const = default;
};

// The settings file's word for a security choice ("auto", "starttls", "tls", "aucune"), and
// back; nothing for an unknown word.
QString mot_securite(SecuriteSmtp securite);
std::optional<SecuriteSmtp> securite_du_mot(const QString& mot);

// Never fails: a missing or unknown value gives the default.
ReglagesSmtp lire_reglages_smtp(const FichierReglages& ini);
void ecrire_reglages_smtp(FichierReglages& ini, const ReglagesSmtp& reglages);

// What the station window proposes for an address: SMTP.csv's server and port when the
// table knows the domain (serveur_table not empty), with the stored choices only if they
// were made for that same server; the stored settings otherwise.
ReglagesSmtp reglages_proposes(const ReglagesSmtp& memorises, const QString& serveur_table,
                               const QString& port_table);

// What the settings file keeps: the settings in use, except that an empty server (an
// address never taken, a field cleared) leaves the stored server and port as they were.
ReglagesSmtp reglages_a_garder(const ReglagesSmtp& memorises, const ReglagesSmtp& courants);

// A send with these settings and this send's password.
ParametresSmtp parametres_envoi(const ReglagesSmtp& reglages, const QString& mot_de_passe);

} // namespace vorek
