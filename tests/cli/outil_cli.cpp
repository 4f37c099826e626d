#include "outil_cli.h"

#include <QProcess>

SortieCli lancer_vorek(const QStringList& arguments, const QByteArray& entree) {
    QProcess processus;
    processus.start(QStringLiteral(VOREK_CLI), arguments);
    processus.write(entree);
    processus.closeWriteChannel();
    SortieCli resultat;
    if (!processus.waitForFinished(60000)) {
        processus.kill();
        return resultat;
    }
    resultat.code = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
    resultat.octets = processus.readAllStandardOutput();
    resultat.sortie = QString::fromUtf8(resultat.octets);
    resultat.erreurs = QString::fromUtf8(processus.readAllStandardError());
    return resultat;
}
