#include "fichier_texte.h"

#include "journal_diagnostic.h"

#include "erreur.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QTextCodec>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
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

bool surrogat(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

bool sans_surrogat(QStringView texte) {
    return std::none_of(texte.begin(), texte.end(), [](QChar c) { return surrogat(c.unicode()); });
}

// CP1252 gives at most one byte for one character, whatever the characters around it (the
// codec leaves out a few invisible ones it lacks, such as U+200B): the codec's answer for
// each character, asked once, then encodes and decodes any text without opening a
// converter. A surrogate (half of a character beyond the basic plane) is left to the codec.
struct TablesCp1252 {
    static constexpr qint16 omis = -1;

    TablesCp1252() {
        constexpr int bloc = 256;
        for (char32_t debut = 0; debut < 0x10000; debut += bloc) {
            if (surrogat(char16_t(debut))) {
                continue;
            }
            QString caracteres(bloc, Qt::Uninitialized);
            for (int i = 0; i < bloc; ++i) {
                caracteres[i] = QChar(char16_t(debut + char32_t(i)));
            }
            const QByteArray octets = codec_cp1252()->fromUnicode(caracteres);
            for (int i = 0; i < bloc; ++i) {
                // A block where some character gave no byte is asked again character by
                // character.
                const QByteArray un = octets.size() == bloc
                                          ? octets.mid(i, 1)
                                          : codec_cp1252()->fromUnicode(caracteres.mid(i, 1));
                if (un.size() > 1) {
                    return;
                }
                vers[debut + char32_t(i)] = un.isEmpty() ? omis : qint16(uchar(un[0]));
            }
        }
        encodage = true;
        QByteArray chaque(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b) {
            chaque[b] = char(b);
        }
        const QString caracteres = codec_cp1252()->toUnicode(chaque);
        decodage = caracteres.size() == 256;
        for (int b = 0; decodage && b < 256; ++b) {
            depuis[size_t(b)] = caracteres[b].unicode();
        }
    }

    std::array<qint16, 0x10000> vers{};
    std::array<char16_t, 256> depuis{};
    bool encodage = false;
    bool decodage = false;
};

const TablesCp1252& tables() {
    static const TablesCp1252 t;
    return t;
}

bool ascii(QStringView texte) {
    return std::all_of(texte.begin(), texte.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Appends the bytes of texte to octets.
void ajouter_cp1252(QByteArray& octets, QStringView texte) {
    const TablesCp1252& t = tables();
    if (!t.encodage || !sans_surrogat(texte)) {
        octets += codec_cp1252()->fromUnicode(texte);
        return;
    }
    const qsizetype debut = octets.size();
    octets.resize(debut + texte.size());
    char* sortie = octets.data() + debut;
    for (const QChar c : texte) {
        const qint16 octet = t.vers[c.unicode()];
        if (octet != TablesCp1252::omis) {
            *sortie++ = char(octet);
        }
    }
    octets.resize(sortie - octets.constData());
}

qsizetype longueur_table(QStringView texte) {
    if (ascii(texte)) {
        return texte.size();
    }
    const TablesCp1252& t = tables();
    if (!t.encodage || !sans_surrogat(texte)) {
        return codec_cp1252()->fromUnicode(texte).size();
    }
    return std::count_if(texte.begin(), texte.end(),
                         [&t](QChar c) { return t.vers[c.unicode()] != TablesCp1252::omis; });
}

QString decoder(const char* octets, qsizetype n) {
    const TablesCp1252& t = tables();
    if (!t.decodage) {
        return codec_cp1252()->toUnicode(octets, int(n));
    }
    QString texte(n, Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (qsizetype i = 0; i < n; ++i) {
        sortie[i] = QChar(t.depuis[uchar(octets[i])]);
    }
    return texte;
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

// Reads the file in blocks, each given to bloc; the size limit holds while reading.
void lire_blocs(const QString& chemin, const std::function<void(const char*, qsizetype)>& bloc) {
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
    // A device or a file that grows has no size to trust: the limit holds while reading.
    char tampon[65536];
    qint64 total = 0;
    for (;;) {
        const ssize_t lus = ::read(f.fd(), tampon, sizeof tampon);
        if (lus < 0 && errno == EINTR) {
            continue;
        }
        if (lus < 0) {
            echouer(errno);
        }
        if (lus == 0) {
            return;
        }
        total += lus;
        if (total > taille_max_fichier_texte) {
            throw Erreur(message_fichier_trop_gros());
        }
        bloc(tampon, qsizetype(lus));
    }
}

// The whole file, under the same limits as a reading line by line.
QByteArray lire_tout(const QString& chemin) {
    QByteArray octets;
    const QFileInfo info(chemin);
    if (info.isFile() && info.size() <= taille_max_fichier_texte) {
        octets.reserve(qsizetype(info.size()));
    }
    lire_blocs(chemin, [&octets](const char* bloc, qsizetype n) { octets.append(bloc, n); });
    return octets;
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

using EcritureDescripteur = std::function<void(int fd)>;

// The new version, complete and on disk under a temporary name of its own, so that another
// writer waits for a rename only.
void preparer(QSaveFile& fichier, const EcritureDescripteur& ecrire) {
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly)) {
        echouer(code_ou(EACCES));
    }
    ecrire(fichier.handle());
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

void remplacer(const QString& chemin, const EcritureDescripteur& ecrire, bool journal) {
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
    preparer(fichier, ecrire);
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

// The replacement, said in the diagnostic log whether it went through or not.
void enregistrer(const QString& chemin, const EcritureDescripteur& ecrire, bool journal) {
    try {
        remplacer(chemin, ecrire, journal);
    } catch (const Erreur& e) {
        qCWarning(journal_sauvegarde).noquote() << chemin << "non enregistré :" << e.message();
        throw;
    }
    qCInfo(journal_sauvegarde).noquote()
        << chemin << "enregistré," << QFileInfo(chemin).size() << "octets";
}

// Lines encoded as they come and written by blocks of about 64 KiB.
class SortieDescripteur : public SortieLignes {
  public:
    explicit SortieDescripteur(int fd) : fd_(fd) { tampon_.reserve(taille_bloc + 4096); }

    void ligne(const QString& texte) override {
        if (!par_table(texte)) {
            // Encoded with its line end, as in the whole text: a lone half of a character
            // then meets the CR that follows it.
            ajouter_cp1252(tampon_, QString(texte + QStringLiteral("\r\n")));
        }
        if (tampon_.size() >= taille_bloc) {
            vider();
        }
    }

    void vider() {
        ecrire_descripteur(fd_, tampon_);
        tampon_.clear();
    }

  private:
    // The line and its CR LF through the table, in one pass; false, and nothing added, for a
    // line that holds a surrogate.
    bool par_table(const QString& texte) {
        const TablesCp1252& t = tables();
        if (!t.encodage) {
            return false;
        }
        const qsizetype debut = tampon_.size();
        tampon_.resize(debut + texte.size() + 2);
        char* sortie = tampon_.data() + debut;
        for (const QChar c : texte) {
            if (surrogat(c.unicode())) {
                tampon_.resize(debut);
                return false;
            }
            const qint16 octet = t.vers[c.unicode()];
            if (octet != TablesCp1252::omis) {
                *sortie++ = char(octet);
            }
        }
        *sortie++ = '\r';
        *sortie++ = '\n';
        tampon_.resize(sortie - tampon_.constData());
        return true;
    }

    static constexpr qsizetype taille_bloc = 65536;
    int fd_;
    QByteArray tampon_;
};

void remplacer_par_flux(const QString& chemin, const Rediger& rediger, bool journal) {
    enregistrer(
        chemin,
        [&rediger](int fd) {
            SortieDescripteur sortie(fd);
            rediger(sortie);
            sortie.vider();
        },
        journal);
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
    return decoder(octets.constData(), octets.size());
}

QByteArray vers_cp1252(const QString& texte) {
    QByteArray octets;
    ajouter_cp1252(octets, texte);
    return octets;
}

qsizetype longueur_cp1252(const QString& texte) {
    return longueur_table(texte);
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
    // Line by line: the file's bytes and whole text never sit beside its lines.
    QStringList lignes;
    lire_flux(chemin, [&lignes](const QString& ligne) { lignes.append(ligne); });
    return lignes;
}

void lire_flux(const QString& chemin, const std::function<void(const QString&)>& ligne) {
    QByteArray courante;
    qsizetype fins = 0;
    lire_blocs(chemin, [&](const char* bloc, qsizetype n) {
        const char* fin_bloc = bloc + n;
        for (const char* p = bloc; p < fin_bloc;) {
            const char* fin = static_cast<const char*>(std::memchr(p, '\n', size_t(fin_bloc - p)));
            if (fin == nullptr) {
                courante.append(p, fin_bloc - p);
                return;
            }
            if (++fins >= lignes_max_fichier_texte) {
                throw Erreur(message_fichier_trop_gros());
            }
            courante.append(p, fin - p);
            if (courante.endsWith('\r')) {
                courante.chop(1);
            }
            ligne(decoder(courante.constData(), courante.size()));
            courante.clear();
            p = fin + 1;
        }
    });
    // A last line without its line end.
    if (!courante.isEmpty()) {
        if (courante.endsWith('\r')) {
            courante.chop(1);
        }
        ligne(decoder(courante.constData(), courante.size()));
    }
}

void ecrire_lignes(const QString& chemin, const QStringList& lignes) {
    ecrire_flux(chemin, [&lignes](SortieLignes& sortie) {
        for (const QString& ligne : lignes) {
            sortie.ligne(ligne);
        }
    });
}

void ecrire_octets_fichier(const QString& chemin, const QByteArray& octets) {
    remplacer(
        chemin, [&octets](int fd) { ecrire_descripteur(fd, octets); }, false);
}

void ecrire_lignes_sur(const QString& chemin, const QStringList& lignes) {
    ecrire_flux_sur(chemin, [&lignes](SortieLignes& sortie) {
        for (const QString& ligne : lignes) {
            sortie.ligne(ligne);
        }
    });
}

void ecrire_flux(const QString& chemin, const Rediger& rediger) {
    remplacer_par_flux(chemin, rediger, false);
}

void ecrire_flux_sur(const QString& chemin, const Rediger& rediger) {
    remplacer_par_flux(chemin, rediger, true);
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
