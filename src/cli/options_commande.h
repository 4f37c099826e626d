#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace vorek {

// The arguments of one command: "--name value" options and "--name" flags in any order, and
// the other arguments in their order.
struct OptionsCommande {
    QMap<QString, QString> valeurs; // a flag given has an empty value
    QStringList arguments;
    bool contient(const QString& nom) const { return valeurs.contains(nom); }
};

// An option the command does not take, or one without its value, is a usage error (usage is
// the text then printed).
OptionsCommande lire_options_commande(const QStringList& arguments, const QStringList& avec_valeur,
                                      const QStringList& drapeaux, const QString& usage);

} // namespace vorek
