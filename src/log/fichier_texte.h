#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vorek {

// Text files of the program: Windows ANSI (CP1252), CR LF line ends. Reading also accepts
// LF-only files. Every failure throws Erreur with the runtime's French text.

QString depuis_cp1252(const QByteArray& octets);
QByteArray vers_cp1252(const QString& texte);

// The runtime's French text for a system error number.
QString message_erreur_es(int code_systeme);

// All lines of a file, without their line ends.
QStringList lire_lignes(const QString& chemin);

// Creates the file anew and writes every line followed by CR LF.
void ecrire_lignes(const QString& chemin, const QStringList& lignes);

// Same content, but the file is replaced only once the new version is complete on disk:
// a temporary file in the same folder is renamed over it, and the previous version is
// kept beside it as chemin + ".bak".
void ecrire_lignes_sur(const QString& chemin, const QStringList& lignes);

QString chemin_sauvegarde(const QString& chemin);

} // namespace vorek
