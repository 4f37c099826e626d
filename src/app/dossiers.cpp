#include "dossiers.h"

#include "log/etat.h"

#include <QDir>
#include <QTemporaryFile>

namespace vorek {

namespace {

void creer_dossiers(const Etat& etat) {
    for (const QString& dossier : {etat.rep_challenge, etat.rep_BD, etat.rep_cfg}) {
        QDir().mkpath(dossier);
    }
}

} // namespace

bool dossier_inscriptible(const QString& dossier) {
    // Permissions say little (ACLs, read-only mounts): only a real file tells.
    QTemporaryFile essai(QDir(dossier).filePath(QStringLiteral("essai_XXXXXX")));
    return essai.open();
}

void preparer_dossiers(Etat& etat, const QString& dossier_programme,
                       const QString& dossier_donnees) {
    etat.fixer_rep_programme(dossier_programme);
    if (dossier_inscriptible(etat.rep_programme)) {
        creer_dossiers(etat);
        return;
    }
    const QString donnees = QDir::cleanPath(dossier_donnees) + QLatin1Char('/');
    etat.rep_challenge = donnees + QStringLiteral("Fichiers_challenge");
    etat.rep_BD = donnees + QStringLiteral("Fichiers_BD");
    etat.rep_cfg = donnees + QStringLiteral("cfg");
    creer_dossiers(etat);
}

} // namespace vorek
