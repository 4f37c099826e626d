#pragma once

#include "liaison_radio.h"
#include "manipulateur.h"
#include "manipulateur_cwdaemon.h"
#include "messages_cw.h"

#include <QString>

#include <array>
#include <optional>

namespace vorek {

struct ReglagesManipulateur {
    QString type = QStringLiteral("aucun");     // the kind's word (sortes_manipulateur.h)
    QString hote = QStringLiteral("127.0.0.1"); // where a keyer reached over the network runs
    quint16 port = ManipulateurCwdaemon::port_par_defaut;
    int wpm = Manipulateur::vitesse_par_defaut;
    bool operator==(const ReglagesManipulateur&) const = default;
};

// The radio and keyer part of Challenge_VRK.ini, in sections of its own ([Radio],
// [Manipulateur], [MessagesCW]). The defaults are no radio, no keyer and the default messages.
struct ReglagesRig {
    ReglagesRadio radio;
    ReglagesManipulateur manipulateur;
    std::array<QString, nb_messages_cw> messages = messages_cw_par_defaut();
    bool operator==(const ReglagesRig&) const = default;
};

// Never fails: a missing file or key, or a value out of range, gives the default.
ReglagesRig lire_reglages_rig(const QString& chemin);

// Replaces only the keys of these sections; throws Erreur naming the file when it cannot be
// written.
void ecrire_reglages_rig(const QString& chemin, const ReglagesRig& reglages);

struct HotePort {
    QString hote;
    quint16 port = 0;
};

// "host:port", "host" alone (the default port) or "[IPv6]:port"; nothing when the port is not
// a number from 1 to 65535 or the host is missing.
std::optional<HotePort> lire_hote_port(const QString& texte, quint16 port_par_defaut);

} // namespace vorek
