#include "dossiers.h"

#include "app/station.h"
#include "log/etat.h"
#include "refdata/conversion_pays.h"
#include "refdata/noms_fichiers.h"

#include <QDir>
#include <QFile>
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
    installer_table_smtp(etat, dossier_executable);
}

void installer_table_smtp(const Etat& etat, const QString& dossier_executable) {
    const QString cible = chemin_smtp(etat);
    const QString livre = chemin_fichier_livre(dossier_executable, nom_table_smtp);
    if (QFileInfo::exists(cible) || livre.isEmpty()) {
        return;
    }
    // A failed copy is said where the table is read: the station window names the file.
    if (QFile::copy(livre, cible)) {
        // An installed copy is read-only; the operator's own table may be edited.
        QFile::setPermissions(cible, QFile::permissions(cible) | QFileDevice::WriteOwner);
    }
}

} // namespace vorek
