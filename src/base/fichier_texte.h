#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>

namespace vorek {

// Text files of the program: Windows ANSI (CP1252), CR LF line ends. Reading also accepts
// LF-only files. Every failure throws Erreur with the runtime's French text.

QString depuis_cp1252(const QByteArray& octets);
QByteArray vers_cp1252(const QString& texte);

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

QString chemin_sauvegarde(const QString& chemin);
QString chemin_verrou(const QString& chemin);
constexpr std::chrono::milliseconds attente_verrou{2000};
QString message_journal_verrouille();
QString message_lien_refuse(const QString& chemin);

// True when both paths name the same file once links and "." or ".." are resolved, file
// names compared without regard to case as the program compares them. Either may not exist.
bool meme_fichier(const QString& a, const QString& b);

} // namespace vorek
