#pragma once

#include "analyse_cli.h"

namespace vorek {

// Every command of the tool, in the order "vorek aide" lists them.
const QList<DeclarationCommande>& commandes_cli();

// The command of that name; none for a name no command has.
const DeclarationCommande* trouver_commande(const QString& nom);

// The options in front of the command (--racine, --aujourdhui, --debug, --aide).
const QList<OptionCli>& options_generales();

// "usage : vorek [--racine DOSSIER] ... COMMANDE [ARGUMENTS]" and the commands' names.
QString usage_general();

// The whole help: the usage, the general options, one line a command, where the diagnostic
// log is.
QString aide_generale();

} // namespace vorek
