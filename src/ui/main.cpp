#include "app/demarrage.h"
#include "base/journal_diagnostic.h"
#include "dialogues_qt.h"
#include "fenetre_attente.h"
#include "francais.h"
#include "programme.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include <csignal>

using namespace vorek;

int main(int argc, char* argv[]) {
    // Past a file size limit (ulimit -f) a write must fail and be told ("Disque plein"), not
    // kill the program with what is on screen.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Challenge_VOREK"));
    // The desktop entry's name, so that the desktop ties the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorek.ChallengeVorek"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vorek/icone.png")));
    // The program ends by its own ways out (station window, "&Fermer"), not when the station
    // window hides behind the main one.
    application.setQuitOnLastWindowClosed(false);
    traduire_qt_en_francais(application);
    const JournalDiagnostic journal(chemin_journal_diagnostic());

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
