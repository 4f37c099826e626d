#include "outil_cli.h"

#include <QProcess>

#include <csignal>
#include <sys/resource.h>

namespace {

SortieCli attendre(QProcess& processus) {
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

} // namespace

SortieCli lancer_vorek(const QStringList& arguments, const QByteArray& entree,
                       const QString& fichier_entree) {
    QProcess processus;
    if (!fichier_entree.isEmpty()) {
        processus.setStandardInputFile(fichier_entree);
    }
    processus.start(QStringLiteral(VOREK_CLI), arguments);
    if (fichier_entree.isEmpty()) {
        processus.write(entree);
        processus.closeWriteChannel();
    }
    return attendre(processus);
}

SortieCli lancer_vorek_disque_plein(const QStringList& arguments, qint64 octets) {
    QProcess processus;
    processus.setChildProcessModifier([octets] {
        // Between fork and exec: only async-signal-safe calls.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limite{rlim_t(octets), rlim_t(octets)};
        ::setrlimit(RLIMIT_FSIZE, &limite);
    });
    processus.start(QStringLiteral(VOREK_CLI), arguments);
    processus.closeWriteChannel();
    return attendre(processus);
}
