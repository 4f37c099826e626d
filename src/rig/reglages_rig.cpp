#include "reglages_rig.h"

#include "sortes_manipulateur.h"
#include "textes_rig.h"

#include "base/fichier_reglages.h"

namespace vorek {

namespace {

Reglage message(int i) {
    return {Cle::message_cw, QString::number(i + 1)};
}

} // namespace

ReglagesRig lire_reglages_rig(const QString& chemin) {
    const FichierReglages ini(chemin);
    ReglagesRig r;
    r.radio.modele = ini.entier(Cle::radio_modele, 0, 0, 1'000'000'000);
    r.radio.port = ini.texte(Cle::radio_port, QString()).trimmed();
    r.radio.vitesse_bauds = ini.entier(Cle::radio_vitesse, 0, 0, 10'000'000);
    ReglagesManipulateur& m = r.manipulateur;
    m.type = sorte_manipulateur(ini.texte(Cle::manipulateur_type, QString())).nom;
    m.hote = ini.texte(Cle::manipulateur_hote, m.hote).trimmed();
    if (m.hote.isEmpty()) {
        m.hote = ReglagesManipulateur{}.hote;
    }
    m.port = quint16(ini.entier(Cle::manipulateur_port, m.port, 1, 65535));
    m.wpm = ini.entier(Cle::manipulateur_wpm, m.wpm, Manipulateur::vitesse_min,
                       Manipulateur::vitesse_max);
    for (int i = 0; i < nb_messages_cw; ++i) {
        r.messages[size_t(i)] = ini.texte(message(i), r.messages[size_t(i)]);
    }
    return r;
}

void ecrire_reglages_rig(const QString& chemin, const ReglagesRig& r) {
    FichierReglages ini(chemin);
    ini.ecrire(Cle::radio_modele, r.radio.modele);
    ini.ecrire(Cle::radio_port, r.radio.port);
    ini.ecrire(Cle::radio_vitesse, r.radio.vitesse_bauds);
    ini.ecrire(Cle::manipulateur_type, sorte_manipulateur(r.manipulateur.type).nom);
    ini.ecrire(Cle::manipulateur_hote, r.manipulateur.hote);
    ini.ecrire(Cle::manipulateur_port, r.manipulateur.port);
    ini.ecrire(Cle::manipulateur_wpm, r.manipulateur.wpm);
    for (int i = 0; i < nb_messages_cw; ++i) {
        ini.ecrire(message(i), r.messages[size_t(i)]);
    }
    ini.enregistrer();
}

std::optional<HotePort> lire_hote_port(const QString& texte, quint16 port_par_defaut) {
    QString hote = texte.trimmed();
    QString port;
    const qsizetype deux_points = hote.lastIndexOf(QLatin1Char(':'));
    const bool ipv6_nu = hote.count(QLatin1Char(':')) > 1 && !hote.startsWith(QLatin1Char('['));
    if (deux_points >= 0 && !ipv6_nu && !hote.endsWith(QLatin1Char(']'))) {
        port = hote.mid(deux_points + 1);
        hote.truncate(deux_points);
    }
    if (hote.startsWith(QLatin1Char('[')) && hote.endsWith(QLatin1Char(']'))) {
        hote = hote.mid(1, hote.size() - 2);
    }
    bool ok = true;
    const uint numero = port.isNull() ? port_par_defaut : port.toUInt(&ok);
    if (hote.isEmpty() || !ok || numero == 0 || numero > 65535) {
        return std::nullopt;
    }
    return HotePort{hote, quint16(numero)};
}

} // namespace vorek
