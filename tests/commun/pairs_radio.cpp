#include "pairs_radio.h"

#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QTest>

bool Rigctld::lancer() {
    processus_.start(QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1"),
                                                 QStringLiteral("-t"), QString::number(port_)});
    if (!processus_.waitForStarted()) {
        return false;
    }
    for (int essai = 0; essai < 100; ++essai) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port_);
        if (s.waitForConnected(100)) {
            return true;
        }
        QTest::qWait(20);
    }
    return false;
}

void Rigctld::tuer() {
    processus_.kill();
    processus_.waitForFinished();
}

QByteArray Rigctld::commande(const QByteArray& texte) const {
    // rigctld now and then drops a new client while the program's own link polls it; the
    // commands the tests send are idempotent, so a connection without an answer is retried.
    for (int essai = 0; essai < 3; ++essai) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port_);
        if (s.waitForConnected(2000)) {
            s.write(texte + '\n');
            while (!s.canReadLine() && s.waitForReadyRead(2000)) {
            }
            if (const QByteArray reponse = s.readLine().trimmed(); !reponse.isEmpty()) {
                return reponse;
            }
        }
        QTest::qWait(50);
    }
    return {};
}

EcouteUdp::EcouteUdp() {
    socket_.bind(QHostAddress::LocalHost, 0);
    connect(&socket_, &QUdpSocket::readyRead, this, [this] {
        while (socket_.hasPendingDatagrams()) {
            const QNetworkDatagram d = socket_.receiveDatagram();
            client_ = d.senderAddress();
            port_client_ = quint16(d.senderPort());
            recus_.append(d.data());
        }
    });
}

QByteArrayList EcouteUdp::recus(qsizetype n) {
    (void)QTest::qWaitFor([&] { return recus_.size() >= n; }, 5000);
    QTest::qWait(20); // anything more that would come
    return std::exchange(recus_, {});
}

void EcouteUdp::repondre(const QByteArray& octets) {
    socket_.writeDatagram(octets, client_, port_client_);
}
