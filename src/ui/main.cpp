#include "app/demarrage.h"
#include "dialogues_qt.h"
#include "fenetre_attente.h"
#include "programme.h"

#include <QApplication>
#include <QStandardPaths>

using namespace vorek;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Challenge_VOREK"));
    // The program ends by its own ways out (station window, "&Fermer"), not when the station
    // window hides behind the main one.
    application.setQuitOnLastWindowClosed(false);

    Etat etat;
    DialoguesQt dialogues;
    HorlogeSysteme horloge;
    FenetreAttenteQt attente;
    OptionsProgramme options;
    options.dossier_programme = QCoreApplication::applicationDirPath();
    options.dossier_donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    options.actions = actions_demarrage(etat, [] { QApplication::beep(); });
    options.version = version_programme();

    Programme programme(etat, dialogues, horloge, attente, std::move(options));
    QObject::connect(&programme, &Programme::fin, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return application.exec();
}
