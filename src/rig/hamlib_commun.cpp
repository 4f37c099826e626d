#include "hamlib_commun.h"

#include "textes_rig.h"

#include <hamlib/rig.h>

#include <array>
#include <cstdlib>

namespace vorek {

namespace {

QString cause_francaise(int code) {
    // Indexed by Hamlib's error number, which its header fixes from RIG_OK to RIG_EPOWER.
    static const std::array<const char*, RIG_EEND> causes{
        "commande réussie",
        "paramètre incorrect",
        "configuration incorrecte (port ou vitesse)",
        "mémoire insuffisante",
        "fonction absente de ce modèle",
        "la radio ne répond pas",
        "port absent ou injoignable",
        "erreur interne de Hamlib",
        "réponse incomprise (modèle ou vitesse erronés ?)",
        "commande refusée par la radio",
        "valeur tronquée",
        "fonction non disponible sur ce modèle",
        "VFO inaccessible",
        "erreur sur le bus de communication",
        "collision sur le bus de communication",
        "paramètre invalide",
        "VFO invalide",
        "valeur hors limites",
        "fonction obsolète",
        "erreur de sécurité",
        "la radio n'est pas allumée",
    };
    if (code >= 0 && code < RIG_EEND) {
        return QString::fromUtf8(causes[size_t(code)]);
    }
    return textes_rig::erreur_hamlib().arg(code);
}

} // namespace

QMutex& verrou_hamlib() {
    static QMutex verrou;
    return verrou;
}

void faire_taire_hamlib() {
    rig_set_debug(RIG_DEBUG_NONE);
}

QString cause_hamlib(int code) {
    return cause_francaise(std::abs(code));
}

QString texte_hamlib(int code) {
    const int numero = std::abs(code);
    if (numero >= RIG_EEND) {
        return {};
    }
    // rigerror2 gives the bare text of Hamlib's error table; rigerror would append the last
    // lines of its debug output.
    return QString::fromUtf8(rigerror2(numero)).trimmed();
}

} // namespace vorek
