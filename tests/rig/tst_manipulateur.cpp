#include "rig/manipulateur_cwdaemon.h"
#include "rig/messages_cw.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

using namespace vorek;

// A UDP peer on 127.0.0.1 standing where cwdaemon listens: it records what the keyer sends
// and can answer like cwdaemon does.
class TestManipulateur : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void octets_de_chaque_message_data();
    void octets_de_chaque_message();
    void arret_et_vitesse();
    void echo_verifie();
    void nom_d_hote_et_longs_messages();
    void hote_introuvable();

  private:
    // The datagrams received since the last call, waiting for at least n of them.
    QByteArrayList recus(qsizetype n);
    std::unique_ptr<ManipulateurCwdaemon> manipulateur(const QString& hote = {});

    QUdpSocket daemon_;
    QHostAddress client_;
    quint16 port_client_ = 0;
    QByteArrayList recus_;
};

void TestManipulateur::init() {
    daemon_.close();
    recus_.clear();
    QVERIFY(daemon_.bind(QHostAddress::LocalHost, 0));
    connect(&daemon_, &QUdpSocket::readyRead, this, [this] {
        while (daemon_.hasPendingDatagrams()) {
            const QNetworkDatagram d = daemon_.receiveDatagram();
            client_ = d.senderAddress();
            port_client_ = quint16(d.senderPort());
            recus_.append(d.data());
        }
    });
}

QByteArrayList TestManipulateur::recus(qsizetype n) {
    // Fewer than n fails the comparison that follows.
    (void)QTest::qWaitFor([&] { return recus_.size() >= n; }, 2000);
    QTest::qWait(20); // anything more that would come
    return std::exchange(recus_, {});
}

std::unique_ptr<ManipulateurCwdaemon> TestManipulateur::manipulateur(const QString& hote) {
    return std::make_unique<ManipulateurCwdaemon>(
        hote.isEmpty() ? QStringLiteral("127.0.0.1") : hote, daemon_.localPort(), 24);
}

void TestManipulateur::octets_de_chaque_message_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QByteArray>("texte");
    const QString ind = QStringLiteral("dl1xyz");
    QTest::newRow("F1 appel") << 1 << ind << QByteArray("CQ TEST F5ABC F5ABC TEST");
    QTest::newRow("F2 echange") << 2 << ind << QByteArray("DL1XYZ 599 1234");
    QTest::newRow("F3 merci") << 3 << ind << QByteArray("TU F5ABC");
    QTest::newRow("F4 moi") << 4 << ind << QByteArray("F5ABC");
    QTest::newRow("F5 lui") << 5 << ind << QByteArray("DL1XYZ");
    QTest::newRow("F6 repete") << 6 << ind << QByteArray("599 1234 599 1234");
    QTest::newRow("F7 encore") << 7 << ind << QByteArray("AGN?");
    QTest::newRow("F8 indicatif?") << 8 << ind << QByteArray("DL1XYZ?");
    // An escape typed in the call field would abort or reconfigure cwdaemon: it never goes.
    QTest::newRow("echappement") << 5
                                 << QStringLiteral("\x1b"
                                                   "4F5\x1b"
                                                   "2\r\nXY/p")
                                 << QByteArray("4F52 XY/P");
}

void TestManipulateur::octets_de_chaque_message() {
    QFETCH(int, touche);
    QFETCH(QString, indicatif);
    QFETCH(QByteArray, texte);
    auto m = manipulateur();
    QCOMPARE(recus(1), QByteArrayList{"\x1b"
                                      "224"});
    const ChampsMacro champs{QStringLiteral("F5ABC"), indicatif, QStringLiteral("1234"),
                             QStringLiteral("599")};
    const MessageCw message =
        developper_message(messages_cw_par_defaut()[size_t(touche - 1)], champs);
    QCOMPARE(message.erreur, QString());
    m->envoyer(message.texte);
    QCOMPARE(recus(2), (QByteArrayList{"\x1bh1", texte}));
    QCOMPARE(m->texte_en_cours(), QString::fromLatin1(texte));
}

void TestManipulateur::arret_et_vitesse() {
    auto m = manipulateur();
    recus(1);
    QSignalSpy fins(m.get(), &Manipulateur::envoi_fini);
    m->envoyer(QStringLiteral("CQ"));
    m->arreter();
    QCOMPARE(recus(3), (QByteArrayList{"\x1bh1", "CQ",
                                       "\x1b"
                                       "4"}));
    QCOMPARE(fins.size(), 1);
    QCOMPARE(m->texte_en_cours(), QString());

    m->accelerer();
    m->ralentir();
    m->ralentir();
    QCOMPARE(recus(3), (QByteArrayList{"\x1b"
                                       "226",
                                       "\x1b"
                                       "224",
                                       "\x1b"
                                       "222"}));
    m->regler_vitesse(1000);
    m->accelerer(); // already at the top: nothing to send
    m->regler_vitesse(-3);
    m->ralentir();
    QCOMPARE(recus(2), (QByteArrayList{"\x1b"
                                       "260",
                                       "\x1b"
                                       "25"}));
    QCOMPARE(m->vitesse(), Manipulateur::vitesse_min);
    m->envoyer(QStringLiteral("\x1b\x01 \t"));
    QTest::qWait(50);
    QVERIFY(recus_.isEmpty());
}

void TestManipulateur::echo_verifie() {
    auto m = manipulateur();
    recus(1);
    QCOMPARE(m->etat(), EtatManipulateur::non_verifie);
    QCOMPARE(texte_etat_manipulateur(m->etat()), QStringLiteral("non vérifié"));
    QSignalSpy fins(m.get(), &Manipulateur::envoi_fini);
    m->envoyer(QStringLiteral("TU"));
    m->envoyer(QStringLiteral("TEST"));
    recus(4);
    // The answer to the first request arrives late: the daemon is there, the second message
    // is still going out.
    daemon_.writeDatagram("h1\r\n", client_, port_client_);
    QTRY_COMPARE(m->etat(), EtatManipulateur::verifie);
    QCOMPARE(fins.size(), 0);
    QCOMPARE(texte_etat_manipulateur(m->etat()), QStringLiteral("vérifié"));
    daemon_.writeDatagram("h2", client_, port_client_);
    QTRY_COMPARE(fins.size(), 1);
    QCOMPARE(m->texte_en_cours(), QString());
}

void TestManipulateur::nom_d_hote_et_longs_messages() {
    auto m = manipulateur(QStringLiteral("localhost"));
    m->envoyer(QString(300, QLatin1Char('e')));
    const QByteArrayList octets = recus(4);
    QCOMPARE(octets, (QByteArrayList{"\x1b"
                                     "224",
                                     "\x1bh1", QByteArray(256, 'E'), QByteArray(44, 'E')}));
}

void TestManipulateur::hote_introuvable() {
    auto m = manipulateur(QStringLiteral("cwdaemon.invalid"));
    QSignalSpy erreurs(m.get(), &Manipulateur::erreur);
    QTRY_VERIFY_WITH_TIMEOUT(!erreurs.isEmpty(), 15000);
    // The cause in our words, whatever the resolver of this machine answers.
    const QString debut = QStringLiteral("Manipulateur cwdaemon introuvable (cwdaemon.invalid) : ");
    QVERIFY2(QStringList({debut + QStringLiteral("nom d'hôte inconnu"),
                          debut + QStringLiteral("recherche du nom impossible")})
                 .contains(erreurs.first().first().toString()),
             qPrintable(erreurs.first().first().toString()));
    m->envoyer(QStringLiteral("CQ"));
    QCOMPARE(erreurs.size(), 2);
    QCOMPARE(m->texte_en_cours(), QString());
}

QTEST_GUILESS_MAIN(TestManipulateur)
#include "tst_manipulateur.moc"
