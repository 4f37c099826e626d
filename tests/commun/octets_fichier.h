#pragma once

#include <QByteArray>
#include <QString>

// A file's raw bytes; "<absent>" when it cannot be read, so a missing file never passes
// for an empty one.
QByteArray lire_octets(const QString& chemin);
// Writes raw bytes, creating the folders as needed; a failure fails the running test.
void ecrire_octets(const QString& chemin, const QByteArray& octets);
