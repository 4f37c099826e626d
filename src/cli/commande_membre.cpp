#include "contexte_cli.h"

#include "refdata/referentiel.h"

#include <cstdio>

namespace vorek {

int commande_membre(ContexteCli& contexte) {
    if (contexte.arguments.size() != 1) {
        throw ErreurUsage{QStringLiteral("usage : vorek membre INDICATIF")};
    }
    const Referentiel referentiel(contexte.etat);
    const ResultatMembre r = referentiel.membres.chercher_membre(contexte.arguments.first());
    contexte.sortie << r.membre_numero << '\t' << r.membre_nom << '\n';
    if (!r.base_trouvee) {
        contexte.sortie.flush();
        std::fprintf(
            stderr, "%s\n",
            QString::fromUtf8(message_base_membres_absente).trimmed().toUtf8().constData());
    }
    return 0;
}

} // namespace vorek
