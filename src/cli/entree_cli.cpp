#include "entree_cli.h"

#include "log/etat.h"
#include "rules/bandes.h"

namespace vorek {

namespace {

// Now as the entry's real time reads it, one UTC instant; --aujourdhui stands for the date.
QDateTime maintenant_utc(const ContexteCli& contexte) {
    const HorlogeSysteme systeme;
    QDateTime utc = systeme.maintenant_utc();
    if (contexte.aujourdhui != systeme.maintenant_local().date()) {
        utc.setDate(contexte.aujourdhui);
    }
    return utc;
}

int index_bande(const Etat& etat, const std::optional<QString>& bande, const QString& usage) {
    const QStringList items = bandes();
    if (bande) {
        const qsizetype index = items.indexOf(*bande);
        if (index < 0) {
            throw ErreurUsage{QStringLiteral("bande inconnue : ") + *bande + QLatin1Char('\n') +
                              usage};
        }
        return int(index);
    }
    for (int r = std::min(etat.ligne_suivante, etat.table.nb_lignes()) - 1; r >= 1; --r) {
        const qsizetype index = items.indexOf(etat.table.cellule(col_bande, r));
        if (!etat.table.cellule(col_indicatif, r).isEmpty() && index >= 0) {
            return int(index);
        }
    }
    return 0;
}

template <typename T>
T lire(const std::optional<QString>& texte, const char* format, const char* erreur,
       const QString& usage) {
    const T valeur = T::fromString(*texte, QString::fromLatin1(format));
    if (!valeur.isValid()) {
        throw ErreurUsage{QString::fromUtf8(erreur) + *texte + QLatin1Char('\n') + usage};
    }
    return valeur;
}

} // namespace

std::optional<QString> ArgumentsCli::option(const char* nom) const {
    const auto trouve = options.find(QString::fromLatin1(nom));
    return trouve == options.end() ? std::nullopt : std::optional<QString>(trouve->second);
}

ArgumentsCli lire_arguments_cli(const QStringList& arguments, const QStringList& options,
                                const QString& usage) {
    ArgumentsCli lus;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--"))) {
            lus.positionnels.append(argument);
        } else if (!options.contains(argument) || i + 1 >= arguments.size() ||
                   !lus.options.emplace(argument, arguments[i + 1]).second) {
            throw ErreurUsage{usage};
        } else {
            ++i;
        }
    }
    return lus;
}

EntreeCli::EntreeCli(ContexteCli& contexte, const Referentiel& referentiel,
                     const ArgumentsCli& arguments, const QString& usage)
    : horloge_(QDateTime(contexte.aujourdhui, QTime(12, 0))),
      entree_(contexte.etat, referentiel, horloge_, contexte.dialogues) {
    entree_.choisir_bande(index_bande(contexte.etat, arguments.option("--bande"), usage));
    const QDateTime utc = maintenant_utc(contexte);
    const std::optional<QString> date = arguments.option("--date");
    const std::optional<QString> heure = arguments.option("--heure");
    entree_.passer_temps_differe();
    entree_.DateTimePicker_date =
        date ? lire<QDate>(date, "dd/MM/yyyy", "date incorrecte : ", usage) : utc.date();
    const QTime maintenant(utc.time().hour(), utc.time().minute());
    entree_.DateTimePicker_time =
        heure ? lire<QTime>(heure, "HH:mm", "heure incorrecte : ", usage) : maintenant;
}

} // namespace vorek
