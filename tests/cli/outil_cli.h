#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of the command-line tool.
struct SortieCli {
    int code = -1;
    QString sortie;
    QString erreurs;
    QByteArray octets; // stdout as written
};

// entree is written to the tool's standard input, which is then closed; or the standard
// input is the file fichier_entree (/dev/zero, say) when one is named.
SortieCli lancer_vorek(const QStringList& arguments, const QByteArray& entree = {},
                       const QString& fichier_entree = {});

// The same with files limited to `octets` bytes (ulimit -f), the default action of SIGXFSZ
// (death) restored: what a full disk does to a write.
SortieCli lancer_vorek_disque_plein(const QStringList& arguments, qint64 octets);
