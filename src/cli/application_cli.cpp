#include "contexte_cli.h"

#include <QApplication>
#include <QByteArray>

namespace vorek {

std::unique_ptr<QCoreApplication> creer_application(int& argc, char** argv) {
    int i = 1;
    while (i < argc && QByteArray(argv[i]).startsWith("--")) {
        i += 2;
    }
    if (i >= argc || QByteArray(argv[i]) != "graphique") {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    // The plots are drawn into an image: no display is needed unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace vorek
