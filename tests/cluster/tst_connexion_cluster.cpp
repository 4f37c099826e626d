#include "cluster_essai.h"
#include "port_libre.h"

#include "cluster/connexion_cluster.h"
#include "cluster/textes_cluster.h"

#include <QSignalSpy>
#include <QTest>

using namespace vorek;

// The link against a cluster played on 127.0.0.1: login, the recorded stream with its
// garbage, a drop and the return, and the waits between attempts.
class TstConnexionCluster : public QObject {
    Q_OBJECT

  private slots:
    void session_coupure_et_retour();
    void sans_invite_l_indicatif_part_quand_meme();
    void attentes_croissantes_jusqu_au_plafond();
    void hote_introuvable_dit_en_francais();
};

namespace {

const DelaisCluster courts{std::chrono::milliseconds(300), std::chrono::milliseconds(3000),
                           std::chrono::milliseconds(20), std::chrono::milliseconds(80)};

QStringList indicatifs(const QSignalSpy& spots) {
    QStringList liste;
    for (const QList<QVariant>& s : spots) {
        liste.append(s[0].value<Spot>().indicatif);
    }
    return liste;
}

} // namespace

void TstConnexionCluster::session_coupure_et_retour() {
    ClusterEssai cluster;
    cluster.lignes_attendues = 3;
    // Garbage the link must pass over: a 1 MB line, telnet negotiation, bytes out of ASCII.
    cluster.flux = "\xff\xfb\x01\xff\xfd\x03" + QByteArray(1 << 20, 'x') + "\r\n" + "\xe9\xe8\r\n" +
                   flux_enregistre();
    ConnexionCluster connexion;
    QSignalSpy spots(&connexion, &ConnexionCluster::spot_recu);
    QSignalSpy lignes(&connexion, &ConnexionCluster::ligne_recue);
    QSignalSpy etats(&connexion, &ConnexionCluster::etat_change);
    connexion.demarrer({QStringLiteral("127.0.0.1"),
                        cluster.port(),
                        QStringLiteral("F5XYZ"),
                        {QStringLiteral("set/skimmer"), QStringLiteral("set/nobeep")}},
                       courts);
    QTRY_COMPARE(spots.size(), 8);
    QCOMPARE(cluster.recus, (QByteArrayList{"F5XYZ", "set/skimmer", "set/nobeep"}));
    QCOMPARE(indicatifs(spots),
             (QStringList{"F5ABC", "DL1AA", "K1ZZ", "JA1AA", "F8ZTC", "F6XYZ", "F5ABC", "F5ABC"}));
    QTRY_COMPARE(lignes.size(), 6);
    QCOMPARE(lignes.first()[0].toString(), QStringLiteral("login: "));
    QVERIFY(connexion.connectee());
    QCOMPARE(etats.last()[0].toBool(), true);

    // Dropped: said at once, then logged in again after the short wait.
    cluster.lignes_attendues = 1;
    cluster.flux = "DX de F6ABC: 7001.0 ON4ZZ 1100Z\r\n";
    cluster.couper();
    QTRY_VERIFY(!connexion.connectee());
    const auto perdu = std::find_if(etats.begin(), etats.end(), [](const QList<QVariant>& e) {
        return e[1].toString().startsWith(textes_cluster::non_connecte());
    });
    QVERIFY(perdu != etats.end());
    QTRY_COMPARE(spots.size(), 9);
    QCOMPARE(cluster.connexions, 2);
    QCOMPARE(indicatifs(spots).last(), QStringLiteral("ON4ZZ"));
    QVERIFY(connexion.connectee());
}

// A cluster that asks nothing still gets the call once the wait is over.
void TstConnexionCluster::sans_invite_l_indicatif_part_quand_meme() {
    ClusterEssai cluster("Bienvenue\r\n");
    cluster.flux = "DX de F6ABC: 14025.0 F5ABC 1012Z\r\n";
    ConnexionCluster connexion;
    QSignalSpy spots(&connexion, &ConnexionCluster::spot_recu);
    connexion.demarrer({QStringLiteral("127.0.0.1"), cluster.port(), QStringLiteral("F5XYZ"), {}},
                       courts);
    QTRY_COMPARE(spots.size(), 1);
    QCOMPARE(cluster.recus, QByteArrayList{"F5XYZ"});
}

// Nobody listens: each refusal is said in French, the waits double up to the longest.
void TstConnexionCluster::attentes_croissantes_jusqu_au_plafond() {
    ConnexionCluster connexion;
    QSignalSpy echecs(&connexion, &ConnexionCluster::echec);
    QList<qint64> attentes;
    connect(&connexion, &ConnexionCluster::echec, this,
            [&] { attentes.append(connexion.reprise().count()); });
    connexion.demarrer({QStringLiteral("127.0.0.1"), port_libre(), QStringLiteral("F5XYZ"), {}},
                       courts);
    QTRY_VERIFY(echecs.size() >= 5);
    connexion.arreter();
    QCOMPARE(echecs.first()[0].toString(), textes_cluster::connexion_refusee());
    QCOMPARE(attentes.mid(0, 5), (QList<qint64>{40, 80, 80, 80, 80}));
    // Stopped: no attempt any more.
    const qsizetype n = echecs.size();
    QTest::qWait(200);
    QCOMPARE(echecs.size(), n);
}

void TstConnexionCluster::hote_introuvable_dit_en_francais() {
    ConnexionCluster connexion;
    QSignalSpy etats(&connexion, &ConnexionCluster::etat_change);
    connexion.demarrer({QStringLiteral("nulle-part.invalid"), 7300, QStringLiteral("F5XYZ"), {}},
                       courts);
    QTRY_VERIFY_WITH_TIMEOUT(etats.size() >= 2, 15000);
    QCOMPARE(etats[1][0].toBool(), false);
    QVERIFY(etats[1][1].toString().contains(textes_cluster::hote_introuvable()));
}

QTEST_GUILESS_MAIN(TstConnexionCluster)
#include "tst_connexion_cluster.moc"
