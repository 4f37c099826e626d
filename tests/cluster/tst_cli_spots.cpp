#include "cluster_essai.h"
#include "dossier_essai.h"
#include "outil_cli.h"
#include "port_libre.h"

#include "log/fichier_challenge.h"

#include <QProcess>
#include <QTest>

using namespace vorek;

// vorek spots against a cluster played by the test, on a log of two QSOs on 10/07/2025; the
// tool's today is 10/07/2025, inside the contest.
class TstCliSpots : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void spots_avec_les_points_d_apercu();
    void filtres();
    void injoignable_ou_mal_dit();

  private:
    QStringList debut() const;
    SortieCli spots(const QStringList& arguments);
    DossierEssai d_;
    QString fichier_;
};

void TstCliSpots::initTestCase() {
    d_.ecrire_dxcc();
    d_.ecrire_membres();
    d_.ajouter(DossierEssai::ligne_decrite(QStringLiteral("10/07/2025;09:00;F5ABC;20m")));
    d_.ajouter(DossierEssai::ligne_decrite(QStringLiteral("09/07/2025;09:30;DL1AA;40m")));
    sauver_fichier(d_.etat, d_.etat.fichier_courant);
    fichier_ = chemin_dans_challenge(d_.etat, d_.etat.fichier_courant);
}

QStringList TstCliSpots::debut() const {
    return {"--racine", d_.dossier.path(), "--aujourdhui", "10/07/2025"};
}

// The tool runs while this process plays the cluster, so its event loop keeps turning.
SortieCli TstCliSpots::spots(const QStringList& arguments) {
    ClusterEssai cluster;
    cluster.flux = flux_enregistre();
    QProcess processus;
    processus.start(QStringLiteral(VOREK_CLI),
                    debut() + QStringList{"spots", cluster.adresse()} + arguments);
    SortieCli resultat;
    if (!QTest::qWaitFor([&] { return processus.state() == QProcess::NotRunning; }, 30000)) {
        processus.kill();
        return resultat;
    }
    resultat.code = processus.exitCode();
    resultat.sortie = QString::fromUtf8(processus.readAllStandardOutput());
    resultat.erreurs = QString::fromUtf8(processus.readAllStandardError());
    if (cluster.recus.value(0) != "F5XYZ") {
        resultat.code = -2;
    }
    return resultat;
}

// Each spot in a contest band, once per line received, scored as vorek apercu scores the
// same call on the same band now.
void TstCliSpots::spots_avec_les_points_d_apercu() {
    const SortieCli r = spots({"--indicatif", "f5xyz", "--journal", fichier_, "--duree", "2"});
    QCOMPARE(r.code, 0);
    const QStringList lignes = r.sortie.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList colonnes;
    for (const QString& ligne : lignes) {
        const QStringList c = ligne.split(QLatin1Char('\t'));
        QCOMPARE(c.size(), 6);
        colonnes.append(c.mid(0, 4).join(QLatin1Char(' ')));
        const SortieCli apercu =
            lancer_vorek(debut() + QStringList{"apercu", fichier_, c[2], "--bande", c[0]});
        QCOMPARE(apercu.code, 0);
        QCOMPARE(c[4] + QLatin1Char('\t') + c[5] + QLatin1Char('\n'), apercu.sortie);
    }
    QCOMPARE(colonnes,
             (QStringList{"20m 14025.0 F5ABC 123", "40m 7012.5 DL1AA 456", "20m 14030.0 K1ZZ 789",
                          "15m 21025.3 JA1AA 900", "80m 3525.1 F8ZTC 1", "20m 14255.0 F6XYZ NM",
                          "20m 14026.0 F5ABC 123"}));
    QVERIFY(lignes[0].endsWith(QStringLiteral("\t0\t >>>>>>>  Déjà QSO le même jour !  <<<<<<<<")));
}

void TstCliSpots::filtres() {
    const SortieCli r = spots({"--indicatif", "F5XYZ", "--duree", "2", "--cw", "--membres"});
    QCOMPARE(r.code, 0);
    QStringList appels;
    for (const QString& ligne : r.sortie.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        appels.append(ligne.section(QLatin1Char('\t'), 2, 2));
    }
    QCOMPARE(appels, (QStringList{"F5ABC", "DL1AA", "K1ZZ", "JA1AA", "F8ZTC", "F5ABC"}));
}

void TstCliSpots::injoignable_ou_mal_dit() {
    const SortieCli refuse = lancer_vorek(
        debut() + QStringList{"spots", QStringLiteral("127.0.0.1:%1").arg(port_libre()),
                              "--indicatif", "F5XYZ"});
    QCOMPARE(refuse.code, 1);
    QVERIFY(refuse.erreurs.startsWith(QStringLiteral("Impossible de se connecter au cluster")));
    QCOMPARE(refuse.sortie, QString());
    for (const QStringList& mal_dit :
         {QStringList{"spots", "127.0.0.1:7300"},
          QStringList{"spots", "127.0.0.1:0", "--indicatif", "F5XYZ"},
          QStringList{"spots", "127.0.0.1:7300", "--indicatif", "F5XYZ", "--duree", "-1"}}) {
        QCOMPARE(lancer_vorek(debut() + mal_dit).code, 2);
    }
}

QTEST_GUILESS_MAIN(TstCliSpots)
#include "tst_cli_spots.moc"
