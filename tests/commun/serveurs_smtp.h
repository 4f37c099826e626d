#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The real SMTP servers of tests/mail/serveur_smtp.py on 127.0.0.1, run for one test
// executable: what each received is read back from its trace files.
class ServeursSmtp {
  public:
    ServeursSmtp();
    ~ServeursSmtp();
    ServeursSmtp(const ServeursSmtp&) = delete;
    ServeursSmtp& operator=(const ServeursSmtp&) = delete;

    // Waits for the ports; false (with the reason) when the servers did not start.
    bool demarrer(QString& erreur);
    int port(const QString& serveur) const;
    // The self-signed certificate the TLS servers present.
    QString certificat() const;
    QString trace(const QString& serveur, const char* extension) const;
    // The verbs the server received, in order, AUTH with its mechanism.
    QStringList commandes(const QString& serveur) const;
    // The last message as the server's MIME parser read it, with its envelope.
    QJsonObject recu(const QString& serveur) const;
    // Forgets every trace, before the next exchange.
    bool vider() const;

  private:
    QTemporaryDir dossier_;
    QProcess python_;
    QJsonObject ports_;
};
