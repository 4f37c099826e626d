#include "fichier_reglages.h"

#include "erreur.h"
#include "journal_diagnostic.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace vorek {

namespace {

struct CleFichier {
    Cle cle;
    const char* chemin; // %1 the member of a family
};

// The one list of keys, in the order of the enum.
constexpr std::array<CleFichier, 31> cles{{
    {Cle::fenetre_largeur, "Windows/%1W"},
    {Cle::fenetre_haut, "Windows/%1T"},
    {Cle::fenetre_gauche, "Windows/%1L"},
    {Cle::fenetre_hauteur, "Windows/%1H"},
    {Cle::largeur_colonne, "Grille/WCol%1"},
    {Cle::email, "My_EMAIL/AD"},
    {Cle::dernier_fichier, "Reprise/Fichier"},
    {Cle::derniere_bande, "Reprise/Bande"},
    {Cle::smtp_serveur, "Envoi_SMTP/Serveur"},
    {Cle::smtp_port, "Envoi_SMTP/Port"},
    {Cle::smtp_securite, "Envoi_SMTP/Securite"},
    {Cle::smtp_utilisateur, "Envoi_SMTP/Utilisateur"},
    {Cle::smtp_verifier_certificat, "Envoi_SMTP/VerifierCertificat"},
    {Cle::radio_modele, "Radio/Modele"},
    {Cle::radio_port, "Radio/Port"},
    {Cle::radio_vitesse, "Radio/Vitesse"},
    {Cle::manipulateur_type, "Manipulateur/Type"},
    {Cle::manipulateur_hote, "Manipulateur/Hote"},
    {Cle::manipulateur_port, "Manipulateur/Port"},
    {Cle::manipulateur_wpm, "Manipulateur/WPM"},
    {Cle::message_cw, "MessagesCW/F%1"},
    {Cle::cluster_hote, "Cluster/Hote"},
    {Cle::cluster_port, "Cluster/Port"},
    {Cle::cluster_indicatif, "Cluster/Indicatif"},
    {Cle::cluster_commandes, "Cluster/Commandes"},
    {Cle::cluster_cw_seulement, "Cluster/CWSeulement"},
    {Cle::cluster_membres_seulement, "Cluster/MembresSeulement"},
    {Cle::cluster_duree, "Cluster/DureeMinutes"},
    {Cle::serveur_club, "serveurs/club"},
    {Cle::serveur_pays, "serveurs/pays"},
    {Cle::email_comite, "comite/email"},
}};

static_assert(
    [] {
        for (size_t i = 0; i < cles.size(); ++i) {
            if (size_t(cles[i].cle) != i) {
                return false;
            }
        }
        return cles.back().cle == Cle::email_comite;
    }(),
    "one entry a key, in the enum's order");

QString texte_erreur_ecriture() {
    return QStringLiteral("Impossible d'enregistrer les paramètres dans le fichier %1");
}

} // namespace

QString chemin_reglage(const Reglage& reglage) {
    const QString chemin = QLatin1String(cles[size_t(reglage.cle)].chemin);
    return chemin.contains(QStringLiteral("%1")) ? chemin.arg(reglage.parametre) : chemin;
}

FichierReglages::FichierReglages(const QString& chemin)
    : chemin_(chemin), ini_(chemin, QSettings::IniFormat) {}

bool FichierReglages::contient(const Reglage& reglage) const {
    return ini_.contains(chemin_reglage(reglage));
}

std::optional<QString> FichierReglages::texte(const Reglage& reglage) const {
    const QVariant valeur = ini_.value(chemin_reglage(reglage));
    if (!valeur.isValid()) {
        return std::nullopt;
    }
    if (valeur.typeId() == QMetaType::QStringList) {
        return valeur.toStringList().join(QStringLiteral(", "));
    }
    return valeur.toString();
}

int FichierReglages::entier(const Reglage& reglage, int defaut, int min, int max) const {
    bool ok = false;
    const int valeur = texte(reglage, QString()).trimmed().toInt(&ok);
    return ok && valeur >= min && valeur <= max ? valeur : defaut;
}

void FichierReglages::ecrire(const Reglage& reglage, const QString& valeur) {
    ini_.setValue(chemin_reglage(reglage), valeur);
}

void FichierReglages::enregistrer() {
    ini_.sync();
    if (ini_.status() != QSettings::NoError) {
        qCWarning(journal_sauvegarde).noquote() << chemin_ << "non enregistré";
        throw Erreur(texte_erreur_ecriture().arg(
            QDir::toNativeSeparators(QFileInfo(chemin_).absoluteFilePath())));
    }
    qCInfo(journal_sauvegarde).noquote() << chemin_ << "enregistré";
}

} // namespace vorek
