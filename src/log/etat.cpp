#include "etat.h"

#include "version.h"

#include <QDir>

namespace vorek {

void Etat::fixer_rep_programme(const QString& dossier) {
    rep_programme = QDir::cleanPath(dossier) + QLatin1Char('/');
    rep_challenge = rep_programme + QStringLiteral("Fichiers_challenge");
    rep_BD = rep_programme + QStringLiteral("Fichiers_BD");
    rep_cfg = rep_programme + QStringLiteral("cfg");
}

QString nom_de_fichier(const QString& chemin) {
    const qsizetype barre =
        std::max(chemin.lastIndexOf(QLatin1Char('/')), chemin.lastIndexOf(QLatin1Char('\\')));
    return chemin.mid(barre + 1);
}

QString chemin_dans_challenge(const Etat& etat, const QString& chemin) {
    if (nom_de_fichier(chemin) == chemin) {
        return etat.rep_challenge + QLatin1Char('/') + chemin;
    }
    return chemin;
}

int compter_QSO(const TableJournal& table) {
    if (table.nb_colonnes() <= col_indicatif) {
        return 0;
    }
    int n = 0;
    for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
        if (!table.texte(col_indicatif, ligne).isEmpty()) {
            ++n;
        }
    }
    return n;
}

QString titre_principal(const Etat& etat) {
    return QStringLiteral("CHALLENGE d'été VOREK  ") + etat.version_prog +
           QStringLiteral(" : Fichier :") + nom_de_fichier(etat.fichier_courant) +
           QStringLiteral(" (") + QString::number(compter_QSO(etat.table)) +
           QStringLiteral(" QSO)");
}

QString texte_version_prog(const QString& version) {
    return QLatin1Char('V') + version + QStringLiteral(" (12/2023)");
}

QString version_programme() {
    return QStringLiteral(VOREK_VERSION);
}

} // namespace vorek
