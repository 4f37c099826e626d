#include "saisie_rig.h"

#include "modeles_radio.h"
#include "sortes_manipulateur.h"
#include "textes_rig.h"

namespace vorek {

namespace {

// Serial speeds stop well below this; a larger number is a typing slip.
constexpr int vitesse_bauds_max = 10'000'000;

QString verifier_radio(const ReglagesRadio& radio) {
    if (radio.modele <= 0 || radio.port.isEmpty()) {
        return {};
    }
    const std::optional<ModeleRadio> modele = modele_radio(radio.modele);
    if (modele && modele->reseau && !lire_hote_port(radio.port, port_rigctld_par_defaut)) {
        return textes_rig::adresse_radio_incorrecte().arg(radio.port);
    }
    return {};
}

} // namespace

std::optional<int> lire_vitesse_bauds(const QString& texte) {
    const QString nombre = texte.trimmed();
    if (nombre.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const int bauds = nombre.toInt(&ok);
    if (!ok || bauds < 0 || bauds > vitesse_bauds_max) {
        return std::nullopt;
    }
    return bauds;
}

ReglagesSaisis lire_saisie_rig(const SaisieRig& saisie) {
    ReglagesSaisis lu;
    ReglagesRig& r = lu.reglages;
    r.radio.modele = std::max(saisie.modele, 0);
    r.radio.port = saisie.port.trimmed();
    const std::optional<int> bauds = lire_vitesse_bauds(saisie.vitesse);
    if (!bauds) {
        lu.erreur = textes_rig::vitesse_bauds_incorrecte().arg(saisie.vitesse.trimmed());
        return lu;
    }
    r.radio.vitesse_bauds = *bauds;
    if (lu.erreur = verifier_radio(r.radio); !lu.erreur.isEmpty()) {
        return lu;
    }
    const SorteManipulateur& sorte = sorte_manipulateur(saisie.type);
    r.manipulateur.type = sorte.nom;
    r.manipulateur.wpm = Manipulateur::vitesse_bornee(saisie.wpm);
    // An address typed is kept even while a keyer without one is chosen, if it reads.
    const std::optional<HotePort> adresse =
        lire_hote_port(saisie.adresse_manipulateur, ReglagesManipulateur{}.port);
    if (adresse) {
        r.manipulateur.hote = adresse->hote;
        r.manipulateur.port = adresse->port;
    } else if (sorte.capacites.adresse) {
        lu.erreur = textes_rig::adresse_manipulateur_incorrecte().arg(
            sorte.libelle, saisie.adresse_manipulateur.trimmed());
        return lu;
    }
    if (sorte.capacites.demande_radio && r.radio.modele == 0) {
        lu.erreur = textes_rig::manipulateur_sans_radio().arg(sorte.nom);
        return lu;
    }
    r.messages = saisie.messages;
    return lu;
}

SaisieRig saisie_de(const ReglagesRig& reglages) {
    SaisieRig saisie;
    saisie.modele = reglages.radio.modele;
    saisie.port = reglages.radio.port;
    saisie.vitesse = reglages.radio.vitesse_bauds > 0
                         ? QString::number(reglages.radio.vitesse_bauds)
                         : QString();
    saisie.type = reglages.manipulateur.type;
    const ReglagesManipulateur& m = reglages.manipulateur;
    // An IPv6 address takes brackets, or its last group would read as the port.
    const QString hote =
        m.hote.contains(QLatin1Char(':')) ? QLatin1Char('[') + m.hote + QLatin1Char(']') : m.hote;
    saisie.adresse_manipulateur = hote + QLatin1Char(':') + QString::number(m.port);
    saisie.wpm = m.wpm;
    saisie.messages = reglages.messages;
    return saisie;
}

} // namespace vorek
