#include "options_commande.h"

#include "contexte_cli.h"

namespace vorek {

OptionsCommande lire_options_commande(const QStringList& arguments, const QStringList& avec_valeur,
                                      const QStringList& drapeaux, const QString& usage) {
    OptionsCommande lues;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--"))) {
            lues.arguments.append(argument);
        } else if (drapeaux.contains(argument)) {
            lues.valeurs.insert(argument, QString());
        } else if (avec_valeur.contains(argument) && i + 1 < arguments.size()) {
            lues.valeurs.insert(argument, arguments[++i]);
        } else {
            throw ErreurUsage{usage};
        }
    }
    return lues;
}

} // namespace vorek
