#include "dossiers.h"

#include "log/etat.h"
#include "refdata/noms_fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace vorek {

bool dossier_inscriptible(const QString& dossier) {
    // Permissions say little (ACLs, read-only mounts): only a real file tells.
    QTemporaryFile essai(QDir(dossier).filePath(QStringLiteral("essai_XXXXXX")));
    return essai.open();
}

bool programme_installe(const QString& dossier_executable) {
    return QFileInfo(QDir(dossier_executable).filePath(donnees_installees)).isDir();
}

QString dossier_de_travail(const QString& dossier_executable, const QString& dossier_donnees) {
    // An installed program's folder is shared by every user, and root could even write there.
    if (programme_installe(dossier_executable) || !dossier_inscriptible(dossier_executable)) {
        return dossier_donnees;
    }
    return dossier_executable;
}

void preparer_dossiers(Etat& etat, const QString& dossier_executable,
                       const QString& dossier_donnees) {
    etat.fixer_rep_programme(dossier_de_travail(dossier_executable, dossier_donnees));
    for (const QString& dossier : {etat.rep_challenge, etat.rep_BD, etat.rep_cfg}) {
        QDir().mkpath(dossier);
    }
}

} // namespace vorek
