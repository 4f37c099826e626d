// Writes a whole contest's pile of reports for a run of "vorek corriger" (500 reports of
// about 5,000 QSOs by default), with the member database and country list of its program
// folder: generer_pile DOSSIER [STATIONS] [DENSITE]. Never run by a test. The reports go into
// DOSSIER/cr, the program folder is DOSSIER/programme.
#include "concours_synthetique.h"
#include "dossier_essai.h"

#include "base/fichier_texte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace essai_correction;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2) {
        std::fputs("usage : generer_pile DOSSIER [STATIONS] [DENSITE]\n", stderr);
        return 2;
    }
    const QDir dossier(arguments[1]);
    const int stations = arguments.size() > 2 ? arguments[2].toInt() : 500;
    // 12 bands and 499 other reports: 0.83 gives about 5,000 QSOs a report.
    const double densite = arguments.size() > 3 ? arguments[3].toDouble() : 0.83;
    const ConcoursSynthetique concours =
        generer_concours({2025, stations, densite, stations * 40, true});
    QDir().mkpath(dossier.filePath(QStringLiteral("programme/cfg")));
    QDir().mkpath(dossier.filePath(QStringLiteral("programme/Fichiers_BD")));
    QDir().mkpath(dossier.filePath(QStringLiteral("programme/Fichiers_challenge")));
    ecrire_concours(concours, dossier.filePath(QStringLiteral("cr")),
                    dossier.filePath(QStringLiteral("programme/Fichiers_BD/ZTC_mini_2021.csv")));
    vorek::ecrire_lignes(dossier.filePath(QStringLiteral("programme/cfg/DXCC.CSV")),
                         DossierEssai::dxcc_essai());
    qint64 lignes = 0;
    for (const QByteArray& f : concours.fichiers) {
        lignes += f.count('\n');
    }
    std::printf("%d comptes rendus, %lld lignes\n", int(concours.fichiers.size()), lignes);
    return 0;
}
