#pragma once

#include "port_libre.h"

#include <QByteArrayList>
#include <QHostAddress>
#include <QMutex>
#include <QProcess>
#include <QThread>
#include <QUdpSocket>

class QTcpServer;

// A real rigctld serving Hamlib's dummy rig on a port of its own.
class Rigctld {
  public:
    explicit Rigctld(quint16 port = port_libre()) : port_(port) {}
    ~Rigctld() { tuer(); }

    // Started and answering.
    bool lancer();
    void tuer();
    // One command of rigctl's protocol; the first line of its answer.
    QByteArray commande(const QByteArray& texte) const;
    QString adresse() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

  private:
    quint16 port_;
    QProcess processus_;
};

// A rigctld that lies about the frequency: its answer to every frequency request is the text
// given, while a real rigctld behind it answers everything else. It serves from a thread of
// its own, so that a test may wait for a process that talks to it.
class RigctldMenteur {
  public:
    RigctldMenteur();
    ~RigctldMenteur();
    RigctldMenteur(const RigctldMenteur&) = delete;
    RigctldMenteur& operator=(const RigctldMenteur&) = delete;

    bool lancer();
    QString adresse() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
    // Empty: the real rigctld's frequency goes through.
    void mentir(const QByteArray& frequence);
    QByteArray mensonge() const;

  private:
    Rigctld vrai_;
    QThread fil_;
    QTcpServer* serveur_ = nullptr; // lives in fil_
    quint16 port_ = 0;
    mutable QMutex verrou_;
    QByteArray mensonge_;
};

// A UDP peer on 127.0.0.1 standing where cwdaemon listens: records what comes and answers
// as cwdaemon answers an echo request.
class EcouteUdp : public QObject {
  public:
    EcouteUdp();
    quint16 port() const { return socket_.localPort(); }
    QString adresse() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    // The datagrams received since the last call, once at least n have come (or after a
    // few seconds, so that fewer fail the comparison that follows).
    QByteArrayList recus(qsizetype n);
    // To the last sender.
    void repondre(const QByteArray& octets);

  private:
    QUdpSocket socket_;
    QHostAddress client_;
    quint16 port_client_ = 0;
    QByteArrayList recus_;
};
