#include "cluster_essai.h"

#include <QFile>

ClusterEssai::ClusterEssai(QByteArray invite) : invite_(std::move(invite)) {
    serveur_.listen(QHostAddress::LocalHost);
    connect(&serveur_, &QTcpServer::newConnection, this, &ClusterEssai::accueillir);
}

void ClusterEssai::accueillir() {
    while (QTcpSocket* client = serveur_.nextPendingConnection()) {
        ++connexions;
        clients_.append(client);
        auto* tampon = new QByteArray;
        auto* lues = new qsizetype(0);
        connect(client, &QObject::destroyed, [tampon, lues] {
            delete tampon;
            delete lues;
        });
        connect(client, &QTcpSocket::readyRead, this, [this, client, tampon, lues] {
            *tampon += client->readAll();
            qsizetype fin = 0;
            while ((fin = tampon->indexOf('\n')) >= 0) {
                recus.append(tampon->left(fin).trimmed());
                tampon->remove(0, fin + 1);
                if (++*lues == lignes_attendues) {
                    client->write(flux);
                }
            }
        });
        client->write(invite_);
    }
}

void ClusterEssai::envoyer(const QByteArray& octets) {
    for (QTcpSocket* client : clients_) {
        if (client != nullptr) {
            client->write(octets);
        }
    }
}

void ClusterEssai::couper() {
    for (QTcpSocket* client : clients_) {
        if (client != nullptr) {
            client->abort();
            client->deleteLater();
        }
    }
    clients_.clear();
}

QByteArray flux_enregistre() {
    QFile fichier(QStringLiteral(VOREK_RACINE_PROJET "/tests/cluster/flux_cluster.txt"));
    fichier.open(QIODevice::ReadOnly);
    return fichier.readAll();
}
