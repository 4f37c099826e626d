#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace vorek {

// Text files of the program: Windows ANSI (CP1252), CR LF line ends. Reading also accepts
// LF-only files. Every failure throws Erreur with the runtime's French text.

QString depuis_cp1252(const QByteArray& octets);
QByteArray vers_cp1252(const QString& texte);
// The size of vers_cp1252(texte), without encoding it: one byte a character but where a
// surrogate pair stands.
qsizetype longueur_cp1252(const QString& texte);

// The runtime's French text for a system error number.
QString message_erreur_es(int code_systeme);

// No file the program reads whole comes near these sizes; anything larger (a disk image, a
// device without end, megabytes of empty lines) is refused before it fills the memory.
constexpr qint64 taille_max_fichier_texte = 64 * 1024 * 1024;
constexpr qsizetype lignes_max_fichier_texte = 4 * 1024 * 1024;
QString message_fichier_trop_gros();

// A file's bytes as they are, with the same size limit and failures as lire_lignes.
QByteArray lire_octets_fichier(const QString& chemin);

// All lines of a file, without their line ends. Refuses a file above
// taille_max_fichier_texte bytes or lignes_max_fichier_texte lines.
QStringList lire_lignes(const QString& chemin);

// Reads a file line by line: the same lines as lire_lignes under the same limits, given to
// ligne one at a time, without the whole text in memory. A failure may come after lines
// were given.
void lire_flux(const QString& chemin, const std::function<void(const QString&)>& ligne);

// Writes every line followed by CR LF. The file is replaced only once the new version is
// complete and synced on disk (a temporary file of its own in the same folder, renamed over
// it), so a full disk or a crash leaves the previous version whole. A symbolic link stays
// and the file it names is replaced, provided the folder's owner made the link and the file
// is the operator's (message_lien_refuse otherwise); a file the operator may not write is
// refused.
void ecrire_lignes(const QString& chemin, const QStringList& lignes);

// The same for bytes written as they are (files in another encoding than CP1252).
void ecrire_octets_fichier(const QString& chemin, const QByteArray& octets);

// The same for the challenge file, which also keeps its previous version as NAME.bak and
// holds the lock NAME.lock for the time of the save, both beside the file itself (past any
// link): two programs saving the same log take turns, and one that waits longer than
// attente_verrou is refused with message_journal_verrouille.
void ecrire_lignes_sur(const QString& chemin, const QStringList& lignes);

// Where a writer puts its lines one after the other.
class SortieLignes {
  public:
    virtual ~SortieLignes() = default;
    // One line, without its line end.
    virtual void ligne(const QString& texte) = 0;
};

// The lines kept in a list.
class ListeLignes : public SortieLignes {
  public:
    void ligne(const QString& texte) override { lignes.append(texte); }
    QStringList lignes;
};

using Rediger = std::function<void(SortieLignes&)>;

// ecrire_lignes and ecrire_lignes_sur for lines a writer gives one by one: each is encoded
// and written as it comes, so the whole text is never held. The same bytes as the list of
// those lines; a writer that throws leaves the previous version as it was.
void ecrire_flux(const QString& chemin, const Rediger& rediger);
void ecrire_flux_sur(const QString& chemin, const Rediger& rediger);

QString chemin_sauvegarde(const QString& chemin);
QString chemin_verrou(const QString& chemin);
constexpr std::chrono::milliseconds attente_verrou{2000};
QString message_journal_verrouille();
QString message_lien_refuse(const QString& chemin);

// True when both paths name the same file once links and "." or ".." are resolved, file
// names compared without regard to case as the program compares them. Either may not exist.
bool meme_fichier(const QString& a, const QString& b);

} // namespace vorek
