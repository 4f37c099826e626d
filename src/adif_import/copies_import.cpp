#include "copies_import.h"

#include "textes_import.h"

#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"

#include <QDir>
#include <QFileInfo>

namespace vorek {

namespace {

bool occupe(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.exists() || info.isSymLink();
}

} // namespace

int nb_qso_fichier(const QString& chemin) {
    try {
        const ContenuChallenge contenu = lire_challenge(chemin);
        int n = 0;
        for (qsizetype r = 1; r < contenu.cellules.size(); ++r) {
            n += contenu.cellules.ligne(r).value(col_indicatif).isEmpty() ? 0 : 1;
        }
        return n;
    } catch (const Erreur&) {
        return -1;
    }
}

QString fichier_a_proteger(const Etat& etat, const QString& chemin_copie) {
    if (!occupe(chemin_copie) ||
        (!etat.fichier_courant.isEmpty() &&
         meme_fichier(chemin_dans_challenge(etat, etat.fichier_courant), chemin_copie))) {
        return QString();
    }
    const QString nom = QDir::toNativeSeparators(chemin_copie);
    const int n = nb_qso_fichier(chemin_copie);
    return n < 0 ? textes_import::fichier_existant_illisible().arg(nom)
                 : textes_import::fichier_existant().arg(nom).arg(n);
}

QString chemin_copie_datee(const QString& chemin_journal, const QDateTime& moment) {
    const QFileInfo journal(chemin_journal);
    const QString debut = journal.absolutePath() + QLatin1Char('/') + journal.completeBaseName() +
                          QLatin1Char('.') + moment.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString chemin = debut + QStringLiteral(".VRK");
    for (int n = 2; occupe(chemin); ++n) {
        chemin = debut + QLatin1Char('-') + QString::number(n) + QStringLiteral(".VRK");
    }
    return chemin;
}

QString garder_copie_datee(const Etat& etat, const QDateTime& moment) {
    // A log without a file of its own (a new one) still has its QSOs kept.
    const QString journal =
        etat.fichier_courant.isEmpty() ? QStringLiteral("journal.VRK") : etat.fichier_courant;
    const QString chemin = chemin_copie_datee(chemin_dans_challenge(etat, journal), moment);
    try {
        ecrire_flux(chemin, [&etat](SortieLignes& sortie) { rediger_challenge(etat, sortie); });
    } catch (const Erreur& e) {
        throw Erreur(textes_import::copie_datee_impossible().arg(e.message()));
    }
    return chemin;
}

} // namespace vorek
