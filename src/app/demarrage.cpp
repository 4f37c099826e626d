#include "demarrage.h"

#include "app/serveurs.h"
#include "app/telechargement.h"
#include "log/dates.h"
#include "log/dialogues.h"
#include "log/erreur.h"
#include "log/etat.h"
#include "log/horloge.h"
#include "refdata/liste_entites.h"

#include <QFileInfo>

namespace vorek {

namespace {

const QString nom_base() {
    return QStringLiteral("ZTC_mini_2021.csv");
}

// Closes the wait window on every way out of the fetch, an exception included.
class AttenteOuverte {
  public:
    explicit AttenteOuverte(FenetreAttente& attente) : attente_(attente) { attente_.ouvrir(); }
    ~AttenteOuverte() { attente_.fermer(); }
    AttenteOuverte(const AttenteOuverte&) = delete;
    AttenteOuverte& operator=(const AttenteOuverte&) = delete;

  private:
    FenetreAttente& attente_;
};

void telecharger_avec_attente(FenetreAttente& attente, const ActionsDemarrage& actions) {
    if (!actions.telecharger_base_membres) {
        return;
    }
    AttenteOuverte ouverte(attente);
    try {
        actions.telecharger_base_membres();
    } catch (...) {
        // A failed fetch is silent: the start-up goes on with the file it has.
    }
}

QString libelle_date(const QString& chemin) {
    const QString date = date_fichier(chemin);
    return QStringLiteral("Date du fichier : ") +
           (date.isEmpty() ? QStringLiteral("fichier absent") : date);
}

} // namespace

ActionsDemarrage actions_demarrage(const Etat& etat, std::function<void()> bip) {
    ActionsDemarrage actions;
    actions.telecharger_base_membres = [&etat] {
        return telecharger_base_membres(etat.rep_BD, lire_config_serveurs(etat.rep_cfg));
    };
    actions.telecharger_fichier_pays = [&etat, bip = std::move(bip)] {
        if (telecharger_fichier_pays(etat.rep_cfg, lire_config_serveurs(etat.rep_cfg)) && bip) {
            bip();
        }
    };
    return actions;
}

QString date_fichier(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.exists()) {
        return QString();
    }
    return texte_date(vers_jours(info.lastModified())).left(10);
}

LibellesBase preparer_base_membres(const Etat& etat, Dialogues& dialogues, FenetreAttente& attente,
                                   const ActionsDemarrage& actions) {
    const QString chemin = etat.rep_BD + QLatin1Char('/') + nom_base();
    LibellesBase libelles;
    if (QFileInfo::exists(chemin)) {
        const QString question = QStringLiteral("Votre base de données des membres date du ") +
                                 date_fichier(chemin) + QStringLiteral("\r\r") +
                                 QStringLiteral("Voulez-vous mettre à jour le fichier ?");
        if (dialogues.question(question, false) == Reponse::oui) {
            telecharger_avec_attente(attente, actions);
        }
        libelles.Label_BD_ZTC = QStringLiteral("BD Membres : \\") + nom_base();
    } else {
        telecharger_avec_attente(attente, actions);
        libelles.Label_BD_ZTC = QStringLiteral("BD ZTC :\\") + nom_base();
    }
    libelles.Label_date_BD = libelle_date(chemin);
    return libelles;
}

QStringList preparer_liste_dxcc(const Etat& etat, Dialogues& dialogues,
                                const ActionsDemarrage& actions) {
    try {
        return entites_au_demarrage(etat, actions.telecharger_fichier_pays);
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
        return {};
    }
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
    ResultatDemarrage resultat;
    resultat.libelles = preparer_base_membres(etat, dialogues, attente, actions);
    resultat.liste_dxcc = preparer_liste_dxcc(etat, dialogues, actions);
    const PeriodeConcours periode = periode_concours(aujourdhui);
    etat.debut_concours = periode.debut_concours;
    etat.fin_concours = periode.fin_concours;
    const bool version_lue = preparer_version(etat, version, dialogues);
    resultat.legende = legende_station(etat);
    if (version_lue && actions.telecharger_fichier_pays) {
        try {
            actions.telecharger_fichier_pays();
        } catch (...) {
            // Not reported: the conversion falls back on the shipped country file.
        }
    }
    return resultat;
}

} // namespace vorek
