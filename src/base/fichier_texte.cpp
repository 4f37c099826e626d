#include "fichier_texte.h"

#include "erreur.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QTextCodec>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vorek {

namespace {

QTextCodec* codec_cp1252() {
    static QTextCodec* const codec = QTextCodec::codecForName("windows-1252");
    return codec;
}

[[noreturn]] void echouer(int code_systeme) {
    throw Erreur(message_erreur_es(code_systeme));
}

// errno once a call failed, or the given code when the call did not say.
int code_ou(int defaut) {
    return errno != 0 ? errno : defaut;
}

class Descripteur {
  public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

QByteArray lire_tout(const QString& chemin) {
    // Opened without waiting, so that a pipe nobody writes to cannot hold the program.
    Descripteur f(::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (f.fd() < 0) {
        echouer(errno);
    }
    struct stat infos {};
    if (::fstat(f.fd(), &infos) != 0) {
        echouer(errno);
    }
    if (S_ISDIR(infos.st_mode)) {
        echouer(EISDIR);
    }
    if (S_ISREG(infos.st_mode) && infos.st_size > taille_max_fichier_texte) {
        throw Erreur(message_fichier_trop_gros());
    }
    ::fcntl(f.fd(), F_SETFL, ::fcntl(f.fd(), F_GETFL) & ~O_NONBLOCK);
    QByteArray octets;
    if (S_ISREG(infos.st_mode)) {
        octets.reserve(qsizetype(infos.st_size));
    }
    // A device or a file that grows has no size to trust: the limit holds while reading.
    char tampon[65536];
    for (;;) {
        const ssize_t lus = ::read(f.fd(), tampon, sizeof tampon);
        if (lus < 0 && errno == EINTR) {
            continue;
        }
        if (lus < 0) {
            echouer(errno);
        }
        if (lus == 0) {
            return octets;
        }
        if (octets.size() + lus > taille_max_fichier_texte) {
            throw Erreur(message_fichier_trop_gros());
        }
        octets.append(tampon, qsizetype(lus));
    }
}

QByteArray contenu(const QStringList& lignes) {
    if (lignes.isEmpty()) {
        return QByteArray();
    }
    return vers_cp1252(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// In a folder others may write, a link planted there would send the save to a file of the
// planter's choosing: only a link of the folder's owner is followed, and only to a file of
// the operator's own (or to none yet).
void verifier_lien(const QString& chemin) {
    const QByteArray nom = QFile::encodeName(chemin);
    struct stat lien {};
    if (::lstat(nom.constData(), &lien) != 0 || !S_ISLNK(lien.st_mode)) {
        return;
    }
    struct stat dossier {};
    if (::stat(QFile::encodeName(QFileInfo(chemin).absolutePath()).constData(), &dossier) != 0) {
        echouer(errno);
    }
    struct stat cible {};
    const bool cible_d_un_autre =
        ::stat(nom.constData(), &cible) == 0 && cible.st_uid != ::geteuid();
    if (lien.st_uid != dossier.st_uid || cible_d_un_autre) {
        throw Erreur(message_lien_refuse(chemin));
    }
}

// Where the bytes go: the file a symbolic link names, so that the link stays a link.
QString chemin_reel(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.isSymLink()) {
        return chemin;
    }
    const QString canonique = info.canonicalFilePath();
    return canonique.isEmpty() ? info.symLinkTarget() : canonique;
}

void ecrire_descripteur(int fd, const QByteArray& octets) {
    qsizetype ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t n = ::write(fd, octets.constData() + ecrits, size_t(octets.size() - ecrits));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            echouer(code_ou(ENOSPC));
        }
        ecrits += n;
    }
}

// A rename is durable only once the folder that holds the name is on disk too.
void synchroniser_dossier(const QString& chemin) {
    const Descripteur dossier(
        ::open(QFile::encodeName(QFileInfo(chemin).absolutePath()).constData(),
               O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dossier.fd() >= 0) {
        ::fsync(dossier.fd());
    }
}

void garder_version_precedente(const QString& cible) {
    // A hard link costs no copy; where the file system has none, a copy does.
    const QString sauvegarde = chemin_sauvegarde(cible);
    QFile::remove(sauvegarde);
    if (::link(QFile::encodeName(cible).constData(), QFile::encodeName(sauvegarde).constData()) !=
        0) {
        QFile::copy(cible, sauvegarde);
    }
}

// The new version, complete and on disk under a temporary name of its own, so that another
// writer waits for a rename only.
void preparer(QSaveFile& fichier, const QByteArray& octets) {
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly)) {
        echouer(code_ou(EACCES));
    }
    ecrire_descripteur(fichier.handle(), octets);
    if (::fsync(fichier.handle()) != 0) {
        echouer(errno);
    }
}

void prendre_verrou(QLockFile& verrou) {
    // Tried in short steps: the other save holds it for far less than Qt's first wait.
    const QDeadlineTimer fin(attente_verrou);
    while (!verrou.tryLock(std::chrono::milliseconds(0))) {
        if (verrou.error() != QLockFile::LockFailedError) {
            echouer(EACCES);
        }
        if (fin.hasExpired()) {
            throw Erreur(message_journal_verrouille());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void remplacer(const QString& chemin, const QByteArray& octets, bool journal) {
    verifier_lien(chemin);
    const QString cible = chemin_reel(chemin);
    const QFileInfo info(cible);
    if (info.isDir()) {
        echouer(EISDIR);
    }
    // Renaming over a file would pass its protection: a file the operator cannot write
    // stays as it is, as a plain rewrite of it would.
    if (info.exists() && ::access(QFile::encodeName(cible).constData(), W_OK) != 0) {
        echouer(errno);
    }
    QSaveFile fichier(cible);
    // Where a rename cannot be made, writing in place would follow whatever stands there.
    fichier.setDirectWriteFallback(false);
    preparer(fichier, octets);
    std::optional<QLockFile> verrou;
    if (journal) {
        verrou.emplace(chemin_verrou(cible));
        prendre_verrou(*verrou);
        if (info.exists()) {
            garder_version_precedente(cible);
        }
    }
    errno = 0;
    if (!fichier.commit()) {
        echouer(code_ou(EIO));
    }
    verrou.reset();
    synchroniser_dossier(cible);
}

QString forme_canonique(const QString& chemin) {
    const QFileInfo info(chemin);
    const QString canonique = info.canonicalFilePath();
    if (!canonique.isEmpty()) {
        return canonique;
    }
    const QString dossier = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (dossier.isEmpty() ? info.absolutePath() : dossier) + QLatin1Char('/') + info.fileName();
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

QString message_fichier_trop_gros() {
    return QStringLiteral("Fichier trop volumineux (plus de 64 Mo ou de 4 millions de lignes) : "
                          "ce n'est pas un fichier du programme");
}

QString message_lien_refuse(const QString& chemin) {
    return QStringLiteral("Enregistrement refusé : %1 est un lien symbolique qui n'a pas été "
                          "créé par le propriétaire du dossier, ou qui mène au fichier d'un "
                          "autre utilisateur")
        .arg(QDir::toNativeSeparators(chemin));
}

QString message_journal_verrouille() {
    return QStringLiteral("Un autre programme est en train d'enregistrer ce journal : "
                          "enregistrement impossible pour l'instant, réessayez");
}

QByteArray lire_octets_fichier(const QString& chemin) {
    return lire_tout(chemin);
}

QStringList lire_lignes(const QString& chemin) {
    const QByteArray octets = lire_tout(chemin);
    // Each line costs a list entry whatever its length.
    if (octets.count('\n') >= lignes_max_fichier_texte) {
        throw Erreur(message_fichier_trop_gros());
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
    remplacer(chemin, contenu(lignes), false);
}

void ecrire_octets_fichier(const QString& chemin, const QByteArray& octets) {
    remplacer(chemin, octets, false);
}

void ecrire_lignes_sur(const QString& chemin, const QStringList& lignes) {
    remplacer(chemin, contenu(lignes), true);
}

QString chemin_sauvegarde(const QString& chemin) {
    return chemin + QStringLiteral(".bak");
}

QString chemin_verrou(const QString& chemin) {
    return chemin + QStringLiteral(".lock");
}

bool meme_fichier(const QString& a, const QString& b) {
    return forme_canonique(a).compare(forme_canonique(b), Qt::CaseInsensitive) == 0;
}

} // namespace vorek
