#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A cluster on 127.0.0.1 for the tests: greets each client with a login prompt, records
// what the client sends, then plays a recorded stream; the test can drop every client.
class ClusterEssai : public QObject {
  public:
    explicit ClusterEssai(QByteArray invite = "login: ");
    quint16 port() const { return serveur_.serverPort(); }
    QString adresse() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

    // Sent to every client once it has sent its call and the commands that follow it.
    QByteArray flux;
    qsizetype lignes_attendues = 1;
    // Each line the clients sent, in order, without CR LF.
    QByteArrayList recus;
    int connexions = 0;

    void envoyer(const QByteArray& octets);
    void couper();

  private:
    void accueillir();

    QTcpServer serveur_;
    QByteArray invite_;
    QList<QPointer<QTcpSocket>> clients_;
};

// The spots of a day on a cluster and a skimmer, in the usual variants.
QByteArray flux_enregistre();
