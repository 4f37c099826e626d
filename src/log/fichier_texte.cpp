#include "fichier_texte.h"

#include "erreur.h"

#include <QFile>
#include <QTextCodec>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace vorek {

namespace {

QTextCodec* codec_cp1252() {
    static QTextCodec* const codec = QTextCodec::codecForName("windows-1252");
    return codec;
}

using Fichier = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

Fichier ouvrir(const QString& chemin, const char* mode) {
    errno = 0;
    std::FILE* f = std::fopen(QFile::encodeName(chemin).constData(), mode);
    if (f == nullptr) {
        throw Erreur(message_erreur_es(errno));
    }
    return Fichier(f, &std::fclose);
}

QByteArray contenu(const QStringList& lignes) {
    if (lignes.isEmpty()) {
        return QByteArray();
    }
    return vers_cp1252(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void ecrire_tout(const QString& chemin, const QByteArray& octets, bool synchroniser) {
    Fichier f = ouvrir(chemin, "wb");
    errno = 0;
    if (std::fwrite(octets.constData(), 1, size_t(octets.size()), f.get()) !=
            size_t(octets.size()) ||
        std::fflush(f.get()) != 0 || (synchroniser && ::fsync(fileno(f.get())) != 0)) {
        throw Erreur(message_erreur_es(errno));
    }
    std::FILE* brut = f.release();
    if (std::fclose(brut) != 0) {
        throw Erreur(message_erreur_es(errno));
    }
}

} // namespace

QString depuis_cp1252(const QByteArray& octets) {
    return codec_cp1252()->toUnicode(octets);
}

QByteArray vers_cp1252(const QString& texte) {
    return codec_cp1252()->fromUnicode(texte);
}

QString message_erreur_es(int code_systeme) {
    switch (code_systeme) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Fichier introuvable");
    case ENAMETOOLONG:
    case EINVAL:
        return QStringLiteral("Nom de fichier incorrect");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Trop de fichiers ouverts");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return QStringLiteral("Accès au fichier refusé");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Disque plein");
    default:
        return QStringLiteral("Erreur E/S %1").arg(code_systeme);
    }
}

QStringList lire_lignes(const QString& chemin) {
    Fichier f = ouvrir(chemin, "rb");
    QByteArray octets;
    char tampon[65536];
    size_t lus = 0;
    while ((lus = std::fread(tampon, 1, sizeof tampon, f.get())) > 0) {
        octets.append(tampon, qsizetype(lus));
    }
    if (std::ferror(f.get())) {
        throw Erreur(message_erreur_es(errno));
    }
    // CP1252 maps every byte to one character, so the line ends survive the decoding.
    const QString texte = depuis_cp1252(octets);
    QStringList lignes;
    qsizetype debut = 0;
    while (debut < texte.size()) {
        qsizetype fin = texte.indexOf(QLatin1Char('\n'), debut);
        const qsizetype suivant = fin < 0 ? texte.size() : fin + 1;
        if (fin < 0) {
            fin = texte.size();
        }
        if (fin > debut && texte.at(fin - 1) == QLatin1Char('\r')) {
            --fin;
        }
        lignes.append(texte.mid(debut, fin - debut));
        debut = suivant;
    }
    return lignes;
}

void ecrire_lignes(const QString& chemin, const QStringList& lignes) {
    ecrire_tout(chemin, contenu(lignes), false);
}

QString chemin_sauvegarde(const QString& chemin) {
    return chemin + QStringLiteral(".bak");
}

void ecrire_lignes_sur(const QString& chemin, const QStringList& lignes) {
    const QString temporaire = chemin + QStringLiteral(".tmp");
    const QByteArray cible = QFile::encodeName(chemin);
    const bool existe = QFile::exists(chemin);
    // Renaming over a file would pass its protection: a file the operator cannot write
    // stays as it is, as a plain rewrite of it would.
    if (existe && ::access(cible.constData(), W_OK) != 0) {
        throw Erreur(message_erreur_es(errno));
    }
    try {
        ecrire_tout(temporaire, contenu(lignes), true);
        if (existe) {
            QFile::setPermissions(temporaire, QFile::permissions(chemin));
        }
    } catch (const Erreur&) {
        QFile::remove(temporaire);
        throw;
    }
    if (existe) {
        // The previous version stays beside the new one; a hard link costs no copy.
        const QString sauvegarde = chemin_sauvegarde(chemin);
        QFile::remove(sauvegarde);
        if (::link(cible.constData(), QFile::encodeName(sauvegarde).constData()) != 0) {
            QFile::copy(chemin, sauvegarde);
        }
    }
    errno = 0;
    if (std::rename(QFile::encodeName(temporaire).constData(), cible.constData()) != 0) {
        const int code = errno;
        QFile::remove(temporaire);
        throw Erreur(message_erreur_es(code));
    }
}

} // namespace vorek
