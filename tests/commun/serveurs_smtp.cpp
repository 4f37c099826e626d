#include "serveurs_smtp.h"

#include "octets_fichier.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

ServeursSmtp::ServeursSmtp() = default;

ServeursSmtp::~ServeursSmtp() {
    python_.kill();
    python_.waitForFinished();
}

bool ServeursSmtp::demarrer(QString& erreur) {
    python_.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(VOREK_RACINE_PROJET "/tests/mail/serveur_smtp.py"), dossier_.path()});
    if (python_.waitForStarted() && python_.waitForReadyRead(10000)) {
        ports_ = QJsonDocument::fromJson(python_.readLine()).object();
    }
    erreur = QString::fromUtf8(python_.readAllStandardError());
    return ports_.size() == 8;
}

int ServeursSmtp::port(const QString& serveur) const {
    return ports_[serveur].toInt();
}

QString ServeursSmtp::certificat() const {
    return dossier_.filePath(QStringLiteral("cert.pem"));
}

QString ServeursSmtp::trace(const QString& serveur, const char* extension) const {
    return dossier_.filePath(serveur + QLatin1String(extension));
}

QStringList ServeursSmtp::commandes(const QString& serveur) const {
    QStringList verbes;
    const QByteArray journal = lire_octets(trace(serveur, ".log"));
    for (const QByteArray& ligne : journal == "<absent>" ? QByteArrayList() : journal.split('\n')) {
        const QByteArrayList mots = ligne.split(' ');
        if (!ligne.isEmpty()) {
            verbes.append(QString::fromUtf8(mots[0] == "AUTH" ? ligne : mots[0]));
        }
    }
    return verbes;
}

QJsonObject ServeursSmtp::recu(const QString& serveur) const {
    return QJsonDocument::fromJson(lire_octets(trace(serveur, ".json"))).object();
}

bool ServeursSmtp::vider() const {
    bool fait = true;
    const QDir dossier(dossier_.path());
    for (const QString& f : dossier.entryList(
             {QStringLiteral("*.log"), QStringLiteral("*.eml"), QStringLiteral("*.json")})) {
        fait = QFile::remove(dossier.filePath(f)) && fait;
    }
    return fait;
}
