#pragma once

#include "reglages_rig.h"

#include <QString>

#include <array>

namespace vorek {

// The radio and keyer settings as the settings window's fields or the command line's options
// give them: numbers and addresses still in text.
struct SaisieRig {
    int modele = 0;
    QString port;                               // serial device, or host:port for a network model
    QString vitesse;                            // bauds; empty for the model's own default
    QString type = ReglagesManipulateur{}.type; // the keyer's kind
    // For a keyer reached over the network: host:port, or host alone for the default port.
    QString adresse_manipulateur;
    int wpm = Manipulateur::vitesse_par_defaut;
    std::array<QString, nb_messages_cw> messages = messages_cw_par_defaut();
};

// The port rigctld listens on when the address names none.
constexpr quint16 port_rigctld_par_defaut = 4532;

// What the fields give, or why they cannot be taken.
struct ReglagesSaisis {
    ReglagesRig reglages;
    QString erreur; // not empty: the field that is wrong, in French
};

ReglagesSaisis lire_saisie_rig(const SaisieRig& saisie);

// The settings shown back in the fields.
SaisieRig saisie_de(const ReglagesRig& reglages);

// A speed in bauds: empty for the default (0); nothing when the text is no speed.
std::optional<int> lire_vitesse_bauds(const QString& texte);

} // namespace vorek
