#include "analyse_cli.h"

#include "textes_cli.h"

#include <algorithm>

namespace vorek {

namespace {

const OptionCli* trouver(const QList<OptionCli>& options, const QString& nom) {
    const auto o = std::find_if(options.begin(), options.end(),
                                [&](const OptionCli& option) { return option.nom == nom; });
    return o == options.end() ? nullptr : &*o;
}

bool est_option(const QString& argument) {
    return argument.startsWith(QStringLiteral("--"));
}

// Reads the option at `i` (and its value), moving `i` past it.
void lire_option(const QList<OptionCli>& options, const QStringList& arguments, qsizetype& i,
                 ArgumentsLus& lus) {
    const QString& nom = arguments[i];
    const OptionCli* option = trouver(options, nom);
    if (option == nullptr) {
        throw ErreurUsage{textes_cli::option_inconnue().arg(nom)};
    }
    if (lus.contient(nom)) {
        throw ErreurUsage{textes_cli::option_repetee().arg(nom)};
    }
    if (option->valeur.isEmpty()) {
        lus.options.insert(nom, QString());
    } else if (i + 1 < arguments.size()) {
        lus.options.insert(nom, arguments[++i]);
    } else {
        throw ErreurUsage{textes_cli::valeur_manquante().arg(nom)};
    }
    ++i;
}

void verifier_groupes(const DeclarationCommande& commande, const ArgumentsLus& lus) {
    for (const GroupeOptions& groupe : commande.groupes) {
        const auto n = std::count_if(groupe.noms.begin(), groupe.noms.end(),
                                     [&](const QString& nom) { return lus.contient(nom); });
        if (groupe.exclusif && n > 1) {
            throw ErreurUsage{
                textes_cli::options_incompatibles().arg(groupe.noms.join(QStringLiteral(", ")))};
        }
        if (!groupe.exclusif && n > 0 && n < groupe.noms.size()) {
            throw ErreurUsage{
                textes_cli::options_ensemble().arg(groupe.noms.join(QStringLiteral(", ")))};
        }
    }
    for (const OptionCli& option : commande.options) {
        if (option.obligatoire && !lus.contient(option.nom)) {
            throw ErreurUsage{textes_cli::option_manquante().arg(option.nom)};
        }
    }
}

void verifier_positionnels(const DeclarationCommande& commande, const ArgumentsLus& lus) {
    const QList<ArgumentCli>& attendus = commande.arguments;
    const qsizetype n = lus.positionnels.size();
    if (n > attendus.size()) {
        throw ErreurUsage{textes_cli::argument_en_trop().arg(lus.positionnels[attendus.size()])};
    }
    if (n < attendus.size() && !attendus[n].facultatif) {
        throw ErreurUsage{textes_cli::argument_manquant().arg(attendus[n].nom)};
    }
}

QString texte_option(const OptionCli& option) {
    return option.valeur.isEmpty() ? option.nom : option.nom + QLatin1Char(' ') + option.valeur;
}

const GroupeOptions* groupe_de(const DeclarationCommande& commande, const QString& nom) {
    for (const GroupeOptions& groupe : commande.groupes) {
        if (groupe.noms.contains(nom)) {
            return &groupe;
        }
    }
    return nullptr;
}

QString texte_groupe(const DeclarationCommande& commande, const GroupeOptions& groupe) {
    QStringList textes;
    for (const QString& nom : groupe.noms) {
        if (const OptionCli* option = trouver(commande.options, nom)) {
            textes.append(texte_option(*option));
        }
    }
    return QLatin1Char('[') +
           textes.join(groupe.exclusif ? QStringLiteral(" | ") : QStringLiteral(" ")) +
           QLatin1Char(']');
}

} // namespace

std::optional<QString> ArgumentsLus::option(const QString& nom) const {
    const auto trouvee = options.constFind(nom);
    return trouvee == options.constEnd() ? std::nullopt : std::optional<QString>(*trouvee);
}

ArgumentsLus analyser_arguments(const DeclarationCommande& commande, const QStringList& arguments) {
    ArgumentsLus lus;
    for (qsizetype i = 0; i < arguments.size();) {
        if (est_option(arguments[i])) {
            lire_option(commande.options, arguments, i, lus);
        } else {
            lus.positionnels.append(arguments[i++]);
        }
    }
    verifier_positionnels(commande, lus);
    verifier_groupes(commande, lus);
    return lus;
}

ArgumentsLus analyser_options(const QList<OptionCli>& options, const QStringList& arguments,
                              qsizetype& suite) {
    ArgumentsLus lus;
    suite = 0;
    while (suite < arguments.size() && est_option(arguments[suite])) {
        lire_option(options, arguments, suite, lus);
    }
    return lus;
}

QString usage_commande(const DeclarationCommande& commande) {
    QStringList mots{textes_cli::usage(), commande.nom};
    for (const ArgumentCli& argument : commande.arguments) {
        mots.append(argument.facultatif ? QLatin1Char('[') + argument.nom + QLatin1Char(']')
                                        : argument.nom);
    }
    QStringList groupes_ecrits;
    for (const OptionCli& option : commande.options) {
        const GroupeOptions* groupe = groupe_de(commande, option.nom);
        if (groupe == nullptr) {
            mots.append(option.obligatoire
                            ? texte_option(option)
                            : QLatin1Char('[') + texte_option(option) + QLatin1Char(']'));
        } else if (!groupes_ecrits.contains(groupe->noms.first())) {
            groupes_ecrits.append(groupe->noms.first());
            mots.append(texte_groupe(commande, *groupe));
        }
    }
    const QString usage = mots.join(QLatin1Char(' '));
    return commande.note.isEmpty() ? usage : usage + QLatin1Char('\n') + commande.note;
}

QString colonnes_aide(const QList<std::pair<QString, QString>>& lignes) {
    qsizetype largeur = 0;
    for (const auto& [nom, aide] : lignes) {
        largeur = std::max(largeur, nom.size());
    }
    QString texte;
    for (const auto& [nom, aide] : lignes) {
        texte += QStringLiteral("  ") + nom.leftJustified(largeur) + QStringLiteral("  ") + aide +
                 QLatin1Char('\n');
    }
    return texte;
}

QString aide_commande(const DeclarationCommande& commande) {
    QString texte =
        usage_commande(commande) + QLatin1Char('\n') + commande.resume + QLatin1Char('\n');
    QList<std::pair<QString, QString>> arguments;
    for (const ArgumentCli& argument : commande.arguments) {
        arguments.append({argument.nom, argument.aide});
    }
    QList<std::pair<QString, QString>> options;
    for (const OptionCli& option : commande.options) {
        options.append({texte_option(option), option.aide});
    }
    if (!arguments.isEmpty()) {
        texte += textes_cli::arguments() + QLatin1Char('\n') + colonnes_aide(arguments);
    }
    if (!options.isEmpty()) {
        texte += textes_cli::options() + QLatin1Char('\n') + colonnes_aide(options);
    }
    return texte;
}

} // namespace vorek
