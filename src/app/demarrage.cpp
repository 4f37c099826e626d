#include "demarrage.h"

#include "app/serveurs.h"
#include "base/dates.h"
#include "base/dialogues.h"
#include "base/erreur.h"
#include "log/etat.h"
#include "refdata/liste_entites.h"
#include "refdata/noms_fichiers.h"
#include "refdata/suivi_fichier.h"
#include "refdata/textes_refdata.h"
#include "rules/periode.h"

#include <QFileInfo>

namespace vorek {

namespace {

// Closes the wait window on every way out of the fetch, an exception included.
class AttenteOuverte {
  public:
    AttenteOuverte(FenetreAttente& attente, const QString& fichier) : attente_(attente) {
        attente_.ouvrir(fichier);
    }
    ~AttenteOuverte() { attente_.fermer(); }
    AttenteOuverte(const AttenteOuverte&) = delete;
    AttenteOuverte& operator=(const AttenteOuverte&) = delete;

  private:
    FenetreAttente& attente_;
};

} // namespace

ActionsDemarrage actions_demarrage(const Etat& etat, std::function<void()> bip,
                                   const DelaisTelechargement& delais) {
    ActionsDemarrage actions;
    actions.telecharger_base_membres = [&etat, delais](const SuiviTelechargement& suivi) {
        return telecharger_base_membres(etat.rep_BD, lire_config_serveurs(etat.rep_cfg), delais,
                                        suivi);
    };
    actions.telecharger_fichier_pays = [&etat, delais, bip](const SuiviTelechargement& suivi) {
        const ResultatTelechargement resultat = telecharger_fichier_pays(
            etat.rep_cfg, lire_config_serveurs(etat.rep_cfg), delais, suivi);
        if (resultat.reussi && bip) {
            bip();
        }
        return resultat;
    };
    actions.retelecharger_fichier_pays = [&etat, delais](const SuiviTelechargement& suivi) {
        return retelecharger_fichier_pays(etat.rep_cfg, lire_config_serveurs(etat.rep_cfg), delais,
                                          suivi);
    };
    return actions;
}

TelechargementsDemarrage::TelechargementsDemarrage(const Etat& etat,
                                                   const ActionsDemarrage& actions,
                                                   FenetreAttente& attente, Dialogues& dialogues)
    : etat_(etat), actions_(actions), attente_(attente), dialogues_(dialogues) {}

ResultatTelechargement TelechargementsDemarrage::base_membres() {
    return telecharger(nom_base_membres, actions_.telecharger_base_membres, base_essayee_);
}

ResultatTelechargement TelechargementsDemarrage::fichier_pays() {
    if (!trouver_sans_casse(etat_.rep_cfg + QLatin1Char('/') + nom_fichier_pays).isEmpty()) {
        return {};
    }
    return telecharger(nom_fichier_pays, actions_.telecharger_fichier_pays, pays_essaye_);
}

ResultatTelechargement TelechargementsDemarrage::fichier_pays_a_nouveau() {
    return telecharger(nom_fichier_pays, actions_.retelecharger_fichier_pays, pays_essaye_);
}

ResultatTelechargement TelechargementsDemarrage::telecharger(const QString& fichier,
                                                             const ActionTelechargement& action,
                                                             bool& essaye) {
    if (!action || essaye || passe_) {
        return {};
    }
    essaye = true;
    ResultatTelechargement resultat;
    {
        AttenteOuverte ouverte(attente_, fichier);
        const SuiviTelechargement suivi = [this](qint64 recus, qint64 attendus) {
            passe_ = passe_ || !attente_.avancer(recus, attendus);
            return !passe_;
        };
        try {
            resultat = action(suivi);
        } catch (...) {
            // A failed fetch is silent: the start-up goes on with the file it has.
        }
    }
    if (!resultat.refus.isEmpty()) {
        dialogues_.message(TypeMessage::avertissement, resultat.refus);
    }
    return resultat;
}

QString date_fichier(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.exists()) {
        return QString();
    }
    return texte_date(vers_jours(info.lastModified())).left(10);
}

QString libelle_date(const QString& chemin) {
    const QString date = date_fichier(chemin);
    return QStringLiteral("Date du fichier : ") +
           (date.isEmpty() ? QStringLiteral("fichier absent") : date);
}

LibellesBase preparer_base_membres(const Etat& etat, Dialogues& dialogues,
                                   TelechargementsDemarrage& telechargements) {
    const QString chemin = etat.rep_BD + QLatin1Char('/') + nom_base_membres;
    LibellesBase libelles;
    if (QFileInfo::exists(chemin)) {
        const QString question = QStringLiteral("Votre base de données des membres date du ") +
                                 date_fichier(chemin) + QStringLiteral("\r\r") +
                                 QStringLiteral("Voulez-vous mettre à jour le fichier ?");
        if (dialogues.question(question, false) == Reponse::oui) {
            telechargements.base_membres();
        }
        libelles.Label_BD_ZTC = QStringLiteral("BD Membres : \\") + nom_base_membres;
    } else {
        telechargements.base_membres();
        libelles.Label_BD_ZTC = QStringLiteral("BD ZTC :\\") + nom_base_membres;
    }
    libelles.Label_date_BD = libelle_date(chemin);
    return libelles;
}

QStringList preparer_liste_dxcc(const Etat& etat, Dialogues& dialogues,
                                TelechargementsDemarrage& telechargements) {
    ResultatConversion resultat;
    try {
        resultat = entites_au_demarrage(etat.rep_programme, etat.rep_cfg,
                                        [&telechargements] { telechargements.fichier_pays(); });
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
    }
    if (!resultat.avertissement.isEmpty()) {
        dialogues.message(TypeMessage::avertissement, resultat.avertissement);
    }
    if (trouver_sans_casse(etat.rep_cfg + QLatin1Char('/') + nom_liste_dxcc).isEmpty()) {
        dialogues.message(TypeMessage::avertissement,
                          QString::fromUtf8(message_liste_dxcc_absente));
    }
    return resultat.entites;
}

bool preparer_version(Etat& etat, const QString& version, Dialogues& dialogues) {
    if (version.isEmpty()) {
        dialogues.message(TypeMessage::erreur,
                          QStringLiteral("Les infos de version ne sont pas incluses dans "
                                         "l'exécutable"));
        return false;
    }
    etat.version_prog = texte_version_prog(version);
    return true;
}

QString legende_station(const Etat& etat) {
    if (etat.version_prog.isEmpty()) {
        return QString::fromUtf8(legende_initiale);
    }
    return QStringLiteral("CHALLENGE d'été VOREK  ") + etat.version_prog;
}

ResultatDemarrage demarrer(Etat& etat, Dialogues& dialogues, FenetreAttente& attente,
                           const ActionsDemarrage& actions, const QDate& aujourdhui,
                           const QString& version) {
    TelechargementsDemarrage telechargements(etat, actions, attente, dialogues);
    ResultatDemarrage resultat;
    resultat.libelles = preparer_base_membres(etat, dialogues, telechargements);
    etat.liste_dxcc = preparer_liste_dxcc(etat, dialogues, telechargements);
    const PeriodeConcours periode = periode_concours(aujourdhui);
    etat.debut_concours = periode.debut_concours;
    etat.fin_concours = periode.fin_concours;
    const bool version_lue = preparer_version(etat, version, dialogues);
    resultat.legende = legende_station(etat);
    if (version_lue) {
        telechargements.fichier_pays();
    }
    return resultat;
}

} // namespace vorek
