#include "entree_cli.h"

#include "textes_cli.h"

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

int index_bande(const Etat& etat, const std::optional<QString>& bande) {
    const QStringList items = bandes();
    if (bande) {
        const qsizetype index = items.indexOf(*bande);
        if (index < 0) {
            throw ErreurUsage{textes_cli::bande_inconnue().arg(*bande)};
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
T lire(const std::optional<QString>& texte, const char* format, const QString& erreur) {
    const T valeur = T::fromString(*texte, QString::fromLatin1(format));
    if (!valeur.isValid()) {
        throw ErreurUsage{erreur.arg(*texte)};
    }
    return valeur;
}

} // namespace

EntreeCli::EntreeCli(ContexteCli& contexte, const Referentiel& referentiel)
    : horloge_(QDateTime(contexte.aujourdhui, QTime(12, 0))),
      entree_(contexte.etat, referentiel, horloge_, contexte.dialogues) {
    const ArgumentsLus& arguments = contexte.arguments;
    entree_.choisir_bande(index_bande(contexte.etat, arguments.option(QStringLiteral("--bande"))));
    const QDateTime utc = maintenant_utc(contexte);
    const std::optional<QString> date = arguments.option(QStringLiteral("--date"));
    const std::optional<QString> heure = arguments.option(QStringLiteral("--heure"));
    entree_.passer_temps_differe();
    entree_.DateTimePicker_date =
        date ? lire<QDate>(date, "dd/MM/yyyy", textes_cli::date_incorrecte()) : utc.date();
    const QTime maintenant(utc.time().hour(), utc.time().minute());
    entree_.DateTimePicker_time =
        heure ? lire<QTime>(heure, "HH:mm", textes_cli::heure_incorrecte()) : maintenant;
}

} // namespace vorek
