#pragma once

#include <QString>
#include <QStringList>

// One run of the command-line tool.
struct SortieCli {
    int code = -1;
    QString sortie;
    QString erreurs;
};

SortieCli lancer_vorek(const QStringList& arguments);
