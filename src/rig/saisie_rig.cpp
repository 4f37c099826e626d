#include "saisie_rig.h"

#include "modeles_radio.h"
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
    r.manipulateur.type = saisie.type;
    r.manipulateur.wpm = Manipulateur::vitesse_bornee(saisie.wpm);
    // An address typed for cwdaemon is kept even while another keyer is chosen, if it reads.
    const std::optional<HotePort> adresse =
        lire_hote_port(saisie.cwdaemon, ManipulateurCwdaemon::port_par_defaut);
    if (adresse) {
        r.manipulateur.hote = adresse->hote;
        r.manipulateur.port = adresse->port;
    } else if (saisie.type == TypeManipulateur::cwdaemon) {
        lu.erreur = textes_rig::adresse_cwdaemon_incorrecte().arg(saisie.cwdaemon.trimmed());
        return lu;
    }
    if (saisie.type == TypeManipulateur::radio && r.radio.modele == 0) {
        lu.erreur = textes_rig::manipulateur_sans_radio();
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
    saisie.cwdaemon = hote + QLatin1Char(':') + QString::number(m.port);
    saisie.wpm = m.wpm;
    saisie.messages = reglages.messages;
    return saisie;
}

} // namespace vorek
