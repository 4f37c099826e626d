#include "refdata/suivi_fichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace vorek {

namespace {

qint64 nanosecondes(const timespec& t) {
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

bool lire_signature(const QString& chemin, SignatureFichier& signature, bool dossier) {
    struct stat infos {};
    if (chemin.isEmpty() || ::stat(QFile::encodeName(chemin).constData(), &infos) != 0) {
        return false;
    }
    if (dossier ? !S_ISDIR(infos.st_mode) : !S_ISREG(infos.st_mode)) {
        return false;
    }
    signature.chemin = chemin;
    signature.taille = qint64(infos.st_size);
    signature.modification_ns = nanosecondes(infos.st_mtim);
    signature.changement_ns = nanosecondes(infos.st_ctim);
    signature.inode = quint64(infos.st_ino);
    return true;
}

QString lister_sans_casse(const QString& chemin) {
    const QFileInfo infos(chemin);
    const QString nom = infos.fileName();
    const QStringList noms = QDir(infos.path()).entryList(QDir::Files, QDir::Name);
    for (const QString& candidat : noms) {
        if (candidat.compare(nom, Qt::CaseInsensitive) == 0) {
            return infos.path() + QLatin1Char('/') + candidat;
        }
    }
    return {};
}

} // namespace

QString trouver_sans_casse(const QString& chemin) {
    SignatureFichier signature;
    if (lire_signature(chemin, signature, false)) {
        return chemin;
    }
    const QString trouve = lister_sans_casse(chemin);
    return lire_signature(trouve, signature, false) ? trouve : QString();
}

SuiviFichier::SuiviFichier(QString chemin) : chemin_(std::move(chemin)) {}

void SuiviFichier::fermer_operation() {
    if (--operations_ <= 0) {
        operations_ = 0;
        vue_.reset();
    }
}

SignatureFichier SuiviFichier::signature() {
    if (operations_ > 0 && vue_) {
        return *vue_;
    }
    SignatureFichier resultat = regarder();
    if (operations_ > 0) {
        vue_ = resultat;
    }
    return resultat;
}

SignatureFichier SuiviFichier::regarder() {
    SignatureFichier resultat;
    if (lire_signature(chemin_, resultat, false)) {
        return resultat;
    }
    SignatureFichier dossier;
    lire_signature(QFileInfo(chemin_).path(), dossier, true);
    if (!dossier_lu_ || !(dossier == dossier_)) {
        resolu_ = lister_sans_casse(chemin_);
        dossier_ = dossier;
        dossier_lu_ = true;
    }
    if (!lire_signature(resolu_, resultat, false)) {
        return {};
    }
    return resultat;
}

} // namespace vorek
