#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace vorek {

struct ContexteCli;

// "--name VALUE", or a flag "--name" when valeur is empty.
struct OptionCli {
    QString nom;
    QString valeur;
    QString aide;
    bool obligatoire = false;
};

struct ArgumentCli {
    QString nom;
    QString aide;
    bool facultatif = false; // only the last ones may be
};

// Options written together in the usage: either at most one of them ("[--a X | --b]"), or
// all or none ("[--date D --heure H]").
struct GroupeOptions {
    QStringList noms;
    bool exclusif = true;
};

// A command as it declares itself, once: its arguments, options and help, and what runs it.
struct DeclarationCommande {
    QString nom;
    QString resume; // one line for "vorek aide"
    QList<ArgumentCli> arguments;
    QList<OptionCli> options;
    QList<GroupeOptions> groupes;
    QString note; // a line after the usage
    int (*executer)(ContexteCli&) = nullptr;
};

// What the command line gave a command, checked against its declaration.
struct ArgumentsLus {
    QStringList positionnels;
    QMap<QString, QString> options; // a flag given has an empty value

    bool contient(const QString& nom) const { return options.contains(nom); }
    std::optional<QString> option(const QString& nom) const;
    QString valeur(const QString& nom, const QString& defaut = {}) const {
        return options.value(nom, defaut);
    }
};

// Usage errors: the tool prints the text (and the command's usage) and exits 2.
struct ErreurUsage {
    QString texte;
};

// The arguments of a command; an option it does not take, one given twice or without its
// value, an argument missing or too many, a group broken: ErreurUsage with the reason.
ArgumentsLus analyser_arguments(const DeclarationCommande& commande, const QStringList& arguments);

// The options in front of the command, up to the first argument that is no option; `suite`
// is then the index of that argument (arguments.size() when there is none).
ArgumentsLus analyser_options(const QList<OptionCli>& options, const QStringList& arguments,
                              qsizetype& suite);

// "usage : vorek apercu FICHIER.VRK INDICATIF [--bande BANDE] ...", and the note.
QString usage_commande(const DeclarationCommande& commande);

// The usage, the summary, then one line an argument and an option.
QString aide_commande(const DeclarationCommande& commande);

// Name and help in two columns, the names padded to the longest.
QString colonnes_aide(const QList<std::pair<QString, QString>>& lignes);

} // namespace vorek
