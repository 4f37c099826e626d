#include "contexte_cli.h"

#include "mail/adresse_email.h"

namespace vorek {

int commande_email_valide(ContexteCli& contexte) {
    const bool valide = adresse_email_valide(contexte.arguments.positionnels[0]);
    contexte.sortie << (valide ? "oui" : "non") << '\n';
    return valide ? 0 : 1;
}

} // namespace vorek
