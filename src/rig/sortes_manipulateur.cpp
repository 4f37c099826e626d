#include "sortes_manipulateur.h"

#include "manipulateur_cwdaemon.h"
#include "manipulateur_radio.h"
#include "textes_rig.h"

namespace vorek {

const SorteManipulateur& sans_manipulateur() {
    static const SorteManipulateur sorte{
        QStringLiteral("aucun"), textes_rig::libelle_aucun(), QString(), {}, nullptr};
    return sorte;
}

const std::vector<const SorteManipulateur*>& sortes_manipulateur() {
    static const std::vector<const SorteManipulateur*> sortes{
        &sans_manipulateur(),
        &ManipulateurCwdaemon::declaration(),
        &ManipulateurRadio::declaration(),
    };
    return sortes;
}

const SorteManipulateur& sorte_manipulateur(const QString& nom) {
    for (const SorteManipulateur* sorte : sortes_manipulateur()) {
        if (nom.trimmed().compare(sorte->nom, Qt::CaseInsensitive) == 0) {
            return *sorte;
        }
    }
    return sans_manipulateur();
}

std::unique_ptr<Manipulateur> creer_manipulateur(const ReglagesManipulateur& reglages,
                                                 SuiviRadio* radio) {
    const SorteManipulateur& sorte = sorte_manipulateur(reglages.type);
    return sorte.creer != nullptr ? sorte.creer(reglages, radio) : nullptr;
}

QString texte_manipulateur(const Manipulateur& manipulateur) {
    return textes_rig::etat_manipulateur()
        .arg(manipulateur.sorte().nom_etat, texte_etat_manipulateur(manipulateur.etat()))
        .arg(manipulateur.vitesse());
}

} // namespace vorek
