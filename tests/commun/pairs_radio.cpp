#include "pairs_radio.h"

#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>

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

namespace {

// rigctl's frequency request, short or long form, with or without a VFO.
bool demande_frequence(const QByteArray& ligne) {
    const QByteArray commande = ligne.trimmed().split(' ').first();
    return commande == "f" || commande == "\\get_freq";
}

// One client of the liar: each line either gets the lie or goes to the real rigctld, whose
// answers come back as they are. rigctl's clients wait for each answer before the next
// request, so answers cannot cross.
void relayer(QTcpSocket* client, quint16 port_vrai, const std::function<QByteArray()>& mensonge) {
    auto* vrai = new QTcpSocket(client);
    vrai->connectToHost(QHostAddress::LocalHost, port_vrai);
    QObject::connect(vrai, &QTcpSocket::readyRead, client,
                     [client, vrai] { client->write(vrai->readAll()); });
    QObject::connect(client, &QTcpSocket::readyRead, client, [client, vrai, mensonge] {
        while (client->canReadLine()) {
            const QByteArray ligne = client->readLine();
            const QByteArray faux = mensonge();
            if (!faux.isEmpty() && demande_frequence(ligne)) {
                client->write(faux + '\n');
            } else {
                vrai->write(ligne);
            }
        }
    });
    QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    QObject::connect(vrai, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
}

} // namespace

RigctldMenteur::RigctldMenteur() {
    fil_.start();
}

RigctldMenteur::~RigctldMenteur() {
    if (serveur_ != nullptr) {
        QMetaObject::invokeMethod(
            serveur_, [s = serveur_] { delete s; }, Qt::BlockingQueuedConnection);
    }
    fil_.quit();
    fil_.wait();
}

bool RigctldMenteur::lancer() {
    if (!vrai_.lancer()) {
        return false;
    }
    const quint16 port_vrai = vrai_.adresse().section(QLatin1Char(':'), 1).toUShort();
    QObject* contexte = new QObject;
    contexte->moveToThread(&fil_);
    QMetaObject::invokeMethod(
        contexte,
        [this, contexte, port_vrai] {
            serveur_ = new QTcpServer;
            serveur_->listen(QHostAddress::LocalHost, 0);
            port_ = serveur_->serverPort();
            QObject::connect(serveur_, &QTcpServer::newConnection, serveur_, [this, port_vrai] {
                while (QTcpSocket* client = serveur_->nextPendingConnection()) {
                    relayer(client, port_vrai, [this] { return mensonge(); });
                }
            });
            delete contexte;
        },
        Qt::BlockingQueuedConnection);
    return port_ != 0;
}

void RigctldMenteur::mentir(const QByteArray& frequence) {
    const QMutexLocker verrou(&verrou_);
    mensonge_ = frequence;
}

QByteArray RigctldMenteur::mensonge() const {
    const QMutexLocker verrou(&verrou_);
    return mensonge_;
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
