// Writes a program folder with a log of N QSOs for the command-line comparisons and memory
// measures of bench/comparer_rapports.sh: the benchmarks' member database and country list,
// and Fichiers_challenge/BANC.VRK. Beside the benchmarks' usual rows, a few carry what the
// reports treat apart: names and notes with accents, a band no table knows, a two-digit
// year, a typed member number marked "*", a row without a call.
//
//     bench_generer_journal N DOSSIER
#include "journal_banc.h"

#include "log/fichier_challenge.h"

#include <QCoreApplication>

#include <cstdio>

using namespace vorek;

namespace {

void varier(Etat& etat, int n) {
    QRandomGenerator g(1907);
    TableJournal& table = etat.table;
    for (int r = 1; r <= n; ++r) {
        switch (g.bounded(40)) {
        case 0:
            table.fixer_cellule(col_nom, r, QStringLiteral("Opérateur é%1").arg(r));
            break;
        case 1:
            table.fixer_cellule(col_notes, r, QStringLiteral("QRP à %1 W").arg(g.bounded(10)));
            break;
        case 2:
            table.fixer_cellule(col_bande, r, QStringLiteral("13cm"));
            break;
        case 3:
            table.fixer_cellule(col_date, r, table.cellule(col_date, r).remove(6, 2));
            break;
        case 4:
            table.fixer_cellule(col_ztc, r, QStringLiteral("12*"));
            break;
        case 5:
            table.fixer_cellule(col_indicatif, r, QString());
            break;
        default:
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    bool ok = false;
    const int n = arguments.value(1).toInt(&ok);
    if (arguments.size() != 3 || !ok || n < 1) {
        std::fputs("usage : bench_generer_journal N DOSSIER\n", stderr);
        return 2;
    }
    JournalBanc journal(n);
    varier(journal.etat, n);
    Station& station = journal.etat.station;
    station.station_call = QStringLiteral("F1AAA");
    station.nom_saisi = QStringLiteral("Émile Banc");
    station.station_adresse1 = QStringLiteral("1 rue de l'Église");
    station.station_adresse2 = QStringLiteral("75001 Paris");
    station.station_nr_club = QStringLiteral("999");
    station.station_DXCC = QStringLiteral("F");
    const QDir dossier(arguments[2]);
    for (const char* rep : {"cfg", "Fichiers_BD", "Fichiers_challenge"}) {
        dossier.mkpath(QString::fromLatin1(rep));
    }
    ecrire_lignes(dossier.filePath(QStringLiteral("cfg/DXCC.CSV")), lire_lignes(journal.dxcc));
    ecrire_lignes(dossier.filePath(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv")),
                  lire_lignes(journal.membres));
    sauver_fichier(journal.etat, dossier.filePath(QStringLiteral("Fichiers_challenge/BANC.VRK")));
    return 0;
}
