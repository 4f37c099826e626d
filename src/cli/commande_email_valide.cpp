#include "contexte_cli.h"

#include "mail/adresse_email.h"

namespace vorek {

int commande_email_valide(ContexteCli& contexte) {
    if (contexte.arguments.size() != 1) {
        throw ErreurUsage{QStringLiteral("usage : vorek email-valide ADRESSE")};
    }
    const bool valide = adresse_email_valide(contexte.arguments[0]);
    contexte.sortie << (valide ? "oui" : "non") << '\n';
    return valide ? 0 : 1;
}

} // namespace vorek
