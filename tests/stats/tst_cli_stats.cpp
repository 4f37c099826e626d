#include "journal_stats.h"
#include "outil_cli.h"

#include "app/parametres.h"
#include "log/fichier_challenge.h"

#include <QImage>
#include <QSet>
#include <QTest>

using namespace vorek;

class TstCliStats : public QObject {
    Q_OBJECT

  private slots:
    void stats();
    void verifier();
    void graphique_sans_ecran();
    void usages();
};

namespace {

// The log saved as the windows save it; the settings file holds the e-mail address.
QString sauver(JournalStats& j, const QStringList& descriptions, const QString& email) {
    j.remplir(descriptions);
    Parametres parametres;
    parametres.email = email;
    ecrire_parametres(chemin_parametres(j.etat), parametres);
    sauver_fichier(j.etat, j.etat.fichier_courant);
    return chemin_dans_challenge(j.etat, j.etat.fichier_courant);
}

SortieCli vorek_dans(const JournalStats& j, const QStringList& arguments) {
    return lancer_vorek(QStringList{"--racine", j.dossier.path(), "--aujourdhui", "15/03/2025"} +
                        arguments);
}

const QString email = QStringLiteral("f1aaa@example.fr");

} // namespace

void TstCliStats::stats() {
    JournalStats j;
    // The known log but its unreadable date, which would stop the load's rescoring.
    const QString fichier = sauver(j, JournalStats::journal_connu().mid(0, 9), email);
    const SortieCli tab = vorek_dans(j, {"stats", fichier});
    QCOMPARE(tab.erreurs, QString());
    QCOMPARE(tab.code, 0);
    const QStringList lignes = tab.sortie.split(QLatin1Char('\n'));
    QCOMPARE(
        lignes.mid(0, 7),
        QStringList({"Jour\t80m QSO\t80m pts\t40m QSO\t40m pts\t20m QSO\t20m pts\t15m QSO\t"
                     "15m pts\t1,2m QSO\t1,2m pts\tTotal QSO\tTotal pts\tMembres\tNouveaux membres",
                     "30/06/2025\t0\t0\t1\t0\t0\t0\t0\t0\t0\t0\t1\t0\t1\t1",
                     "01/07/2025\t0\t0\t1\t2\t2\t7\t0\t0\t0\t0\t3\t9\t3\t2",
                     "02/07/2025\t1\t4\t1\t2\t1\t0\t0\t0\t0\t0\t3\t6\t2\t1",
                     "03/07/2025\t0\t0\t0\t0\t0\t0\t1\t3\t1\t10\t2\t13\t2\t1",
                     "Total\t1\t4\t3\t4\t3\t7\t1\t3\t1\t10\t9\t28\t5\t5", ""}));
    QCOMPARE(lignes.value(7), QStringLiteral("Membres contactés\t5"));
    QVERIFY(lignes.value(8).startsWith(QStringLiteral("QSO dans l'heure en cours\t")));
    QVERIFY(lignes.value(9).startsWith(QStringLiteral("QSO dans l'heure précédente\t")));
    QCOMPARE(lignes.size(), 11);

    const SortieCli csv = vorek_dans(j, {"stats", fichier, "--csv"});
    QCOMPARE(csv.code, 0);
    QVERIFY(csv.sortie.startsWith(QStringLiteral("Jour,80m QSO,80m pts,40m QSO,40m pts,20m QSO,"
                                                 "20m pts,15m QSO,15m pts,\"1,2m QSO\",")));
    QVERIFY(csv.sortie.contains(QStringLiteral("\nTotal,1,4,3,4,3,7,1,3,1,10,9,28,5,5\n\n"
                                               "Membres contactés,5\n")));
}

void TstCliStats::verifier() {
    JournalStats propre;
    const QString fichier_propre =
        sauver(propre, {"01/07/2025;10:15;F5ABC;20m", "02/07/2025;09:45;F8ZTC;80m"}, email);
    const SortieCli rien = vorek_dans(propre, {"verifier", fichier_propre});
    QCOMPARE(rien.erreurs, QString());
    QCOMPARE(rien.sortie, QString());
    QCOMPARE(rien.code, 0);
    QVERIFY(QFile::exists(propre.etat.rep_challenge + QStringLiteral("/ESSAI.LOG")));

    JournalStats fautif;
    fautif.etat.station.nom_saisi.clear();
    const QString fichier = sauver(
        fautif, {"01/07/2025;00:00;F5ABC;20m", "02/07/2025;09:45;EA8/F5ABC/QRPX;80m"}, QString());
    const SortieCli constats = vorek_dans(fautif, {"verifier", fichier});
    QCOMPARE(constats.erreurs, QString());
    QCOMPARE(constats.sortie,
             QStringLiteral(
                 "0\tNOM_VIDE\tNom de l'opérateur absent de l'en-tête (NAME)\n"
                 "1\tHORS_PERIODE\tQSO du 01/07/2025 00:00 hors de la période du concours\n"
                 "2\tINDICATIF_COUPE\tIndicatif EA8/F5ABC/QRPX (14 caractères) coupé à 13 dans "
                 "le compte rendu : EA8/F5ABC/QRP\n"
                 "0\tEMAIL_ABSENT\tAdresse e-mail de la station absente\n"));
    QCOMPARE(constats.code, 1);

    JournalStats vide;
    const SortieCli sans_qso = vorek_dans(vide, {"verifier", sauver(vide, {}, email)});
    QCOMPARE(sans_qso.sortie,
             QStringLiteral("0\tJOURNAL_VIDE\tLe journal ne contient aucun QSO\n"));
    QCOMPARE(sans_qso.code, 1);
}

void TstCliStats::graphique_sans_ecran() {
    JournalStats j;
    const QString fichier = sauver(j, JournalStats::journal_connu().mid(0, 9), email);
    // No display and no platform named: the command draws off screen on its own.
    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const QString png = j.etat.rep_challenge + QStringLiteral("/graphique.png");
    const SortieCli sortie = vorek_dans(j, {"graphique", fichier, png});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, png + QLatin1Char('\n'));
    const QImage image(png);
    QCOMPARE(image.size(), QSize(1200, 900));
    QSet<QRgb> couleurs;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            couleurs.insert(image.pixel(x, y));
        }
    }
    QVERIFY(couleurs.size() > 8);

    const SortieCli refus =
        vorek_dans(j, {"graphique", fichier, j.etat.rep_challenge + "/x/y.png"});
    QCOMPARE(refus.code, 1);
    QVERIFY(refus.erreurs.contains(QStringLiteral("n'a pas pu être écrite")));

    // One day's hours, as the window shows them once a day is chosen.
    QVERIFY(QFile::remove(png));
    QCOMPARE(vorek_dans(j, {"graphique", fichier, png, "--jour", "02/07/2025"}).code, 0);
    QCOMPARE(QImage(png).size(), QSize(1200, 900));
    const SortieCli date_fausse =
        vorek_dans(j, {"graphique", fichier, png, "--jour", "31/02/2025"});
    QCOMPARE(date_fausse.code, 1);
    QVERIFY(date_fausse.erreurs.contains(QStringLiteral("31/02/2025")));
}

void TstCliStats::usages() {
    JournalStats j;
    for (const QStringList& arguments :
         {QStringList{"stats"}, QStringList{"stats", "a.VRK", "--tab"}, QStringList{"verifier"},
          QStringList{"verifier", "a.VRK", "b"}, QStringList{"graphique", "a.VRK"},
          QStringList{"graphique", "a.VRK", "b.png", "--jour"}}) {
        const SortieCli sortie = vorek_dans(j, arguments);
        QCOMPARE(sortie.code, 2);
        // A QApplication may first warn about its environment.
        QVERIFY(sortie.erreurs.contains(QStringLiteral("usage : vorek ") + arguments[0]));
    }
}

QTEST_GUILESS_MAIN(TstCliStats)
#include "tst_cli_stats.moc"
