#include "contexte_cli.h"

#include "entry/score.h"
#include "entry/textes_saisie.h"
#include "log/dates.h"
#include "log/erreur.h"
#include "refdata/referentiel.h"

#include <cstdio>

namespace vorek {

namespace {

struct ArgumentsScore {
    QString fichier;
    bool ecrire = false;
};

ArgumentsScore lire_arguments(const QStringList& arguments) {
    ArgumentsScore lus;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--ecrire") && !lus.ecrire) {
            lus.ecrire = true;
        } else if (lus.fichier.isEmpty() && !argument.startsWith(QStringLiteral("--"))) {
            lus.fichier = argument;
        } else {
            lus.fichier.clear();
            break;
        }
    }
    if (lus.fichier.isEmpty()) {
        throw ErreurUsage{QStringLiteral("usage : vorek score FICHIER.VRK [--ecrire]")};
    }
    return lus;
}

} // namespace

// Rescores a challenge file as the "Calcul" button does, without the entry window (an
// empty band scores as an empty band), and lists what each QSO row received.
int commande_score(ContexteCli& contexte) {
    const ArgumentsScore arguments = lire_arguments(contexte.arguments);
    charger_pour_cli(contexte, arguments.fichier);
    Etat& etat = contexte.etat;
    const Referentiel referentiel(etat);
    const QString annee = texte_date(vers_jours(contexte.aujourdhui)).mid(6, 4);
    const ResultatScore resultat = calculer_score(etat, referentiel, QString(), annee);
    if (resultat.base_membres_absente) {
        std::fputs(textes::base_membres_absente_score().toUtf8().constData(), stderr);
        std::fputc('\n', stderr);
    }
    const TableJournal& table = etat.table;
    const QChar tab = QLatin1Char('\t');
    for (int r = 1; r < table.nb_lignes(); ++r) {
        if (table.cellule(col_indicatif, r).isEmpty()) {
            continue;
        }
        contexte.sortie << r << tab << table.cellule(col_indicatif, r) << tab
                        << table.cellule(col_ztc, r) << tab << table.cellule(col_points, r) << tab
                        << table.cellule(col_notes, r) << '\n';
    }
    contexte.sortie << "total" << tab << etat.score_total << tab << compter_QSO(table) << '\n';
    if (arguments.ecrire) {
        sauver_fichier(etat, etat.fichier_courant);
    }
    return 0;
}

} // namespace vorek
