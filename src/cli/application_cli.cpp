#include "commandes_cli.h"
#include "contexte_cli.h"

#include <QApplication>

namespace vorek {

std::unique_ptr<QCoreApplication> creer_application(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    qsizetype suite = 0;
    try {
        analyser_options(options_generales(), arguments, suite);
    } catch (const ErreurUsage&) {
        // Said once the application runs.
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (arguments.value(suite) != QStringLiteral("graphique")) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    // The plots are drawn into an image: no display is needed unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace vorek
