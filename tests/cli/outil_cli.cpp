#include "outil_cli.h"

#include <QProcess>

SortieCli lancer_vorek(const QStringList& arguments) {
    QProcess processus;
    processus.start(QStringLiteral(VOREK_CLI), arguments);
    SortieCli resultat;
    if (!processus.waitForFinished(60000)) {
        processus.kill();
        return resultat;
    }
    resultat.code = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
    resultat.sortie = QString::fromUtf8(processus.readAllStandardOutput());
    resultat.erreurs = QString::fromUtf8(processus.readAllStandardError());
    return resultat;
}
