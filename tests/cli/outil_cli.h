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

// entree is written to the tool's standard input, which is then closed.
SortieCli lancer_vorek(const QStringList& arguments, const QByteArray& entree = {});
