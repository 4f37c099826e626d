#include "connexion_cluster.h"

#include "textes_cluster.h"

#include "base/journal_diagnostic.h"

#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace vorek {

namespace {

QString cause(QAbstractSocket::SocketError erreur) {
    switch (erreur) {
    case QAbstractSocket::HostNotFoundError:
        return textes_cluster::hote_introuvable();
    case QAbstractSocket::ConnectionRefusedError:
        return textes_cluster::connexion_refusee();
    case QAbstractSocket::RemoteHostClosedError:
        return textes_cluster::connexion_fermee();
    case QAbstractSocket::SocketTimeoutError:
        return textes_cluster::delai_depasse();
    case QAbstractSocket::NetworkError:
        return textes_cluster::reseau_injoignable();
    default:
        return textes_cluster::erreur_reseau();
    }
}

// "login:", "Please enter your call:", "Indicatif >": the end of what the cluster asks.
bool invite(const QByteArray& texte) {
    const QByteArray t = texte.trimmed().toLower();
    if (t.isEmpty() || (!t.endsWith(':') && !t.endsWith('>'))) {
        return false;
    }
    return t.contains("login") || t.contains("call") || t.contains("indicatif");
}

} // namespace

QString AccesCluster::adresse() const {
    return hote.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2").arg(hote).arg(port)
                                           : QStringLiteral("%1:%2").arg(hote).arg(port);
}

ConnexionCluster::ConnexionCluster(QObject* parent)
    : QObject(parent), socket_(new QTcpSocket(this)), minuterie_(new QTimer(this)) {
    minuterie_->setSingleShot(true);
    connect(minuterie_, &QTimer::timeout, this, [this] {
        switch (etape_) {
        case Etape::ouverture:
            perdre(textes_cluster::delai_depasse());
            break;
        case Etape::invite:
            se_presenter();
            break;
        case Etape::attente:
            ouvrir();
            break;
        default:
            break;
        }
    });
    connect(socket_, &QTcpSocket::connected, this, &ConnexionCluster::ouverte);
    connect(socket_, &QTcpSocket::readyRead, this, &ConnexionCluster::lire);
    connect(socket_, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError erreur) { perdre(cause(erreur)); });
    connect(socket_, &QTcpSocket::disconnected, this,
            [this] { perdre(textes_cluster::connexion_fermee()); });
}

ConnexionCluster::~ConnexionCluster() {
    arreter();
}

void ConnexionCluster::demarrer(const AccesCluster& acces, const DelaisCluster& delais) {
    arreter();
    acces_ = acces;
    delais_ = delais;
    reprise_ = delais_.premiere_reprise;
    ouvrir();
}

void ConnexionCluster::arreter() {
    etape_ = Etape::arretee;
    minuterie_->stop();
    socket_->abort();
    decoupe_.vider();
}

void ConnexionCluster::ouvrir() {
    etape_ = Etape::ouverture;
    decoupe_.vider();
    qCInfo(journal_cluster).noquote() << "connexion à" << acces_.adresse();
    emit etat_change(false, textes_cluster::connexion_en_cours().arg(acces_.adresse()));
    minuterie_->start(delais_.ouverture);
    socket_->connectToHost(acces_.hote, acces_.port);
}

void ConnexionCluster::ouverte() {
    etape_ = Etape::invite;
    minuterie_->start(delais_.invite);
}

void ConnexionCluster::se_presenter() {
    minuterie_->stop();
    etape_ = Etape::ouverte;
    QByteArray envoi = acces_.indicatif.toLatin1() + "\r\n";
    for (const QString& commande : acces_.commandes) {
        envoi += commande.toLatin1() + "\r\n";
    }
    socket_->write(envoi);
    qCInfo(journal_cluster).noquote()
        << "connecté à" << acces_.adresse() << "comme" << acces_.indicatif;
    // A link that got as far as the login starts its waits afresh when lost.
    reprise_ = delais_.premiere_reprise;
    emit etat_change(true, textes_cluster::connecte().arg(acces_.adresse()));
}

void ConnexionCluster::lire() {
    const QByteArray octets = socket_->readAll();
    for (const QByteArray& ligne : decoupe_.ajouter(octets)) {
        if (etape_ == Etape::invite && invite(ligne)) {
            se_presenter();
        }
        traiter(ligne);
        if (etape_ == Etape::arretee || etape_ == Etape::attente) {
            return; // stopped or lost by a slot of these lines
        }
    }
    if (etape_ == Etape::invite && invite(decoupe_.en_cours())) {
        se_presenter();
        traiter(decoupe_.prendre_en_cours());
    }
}

void ConnexionCluster::traiter(const QByteArray& ligne) {
    if (const std::optional<Spot> spot = lire_spot(ligne)) {
        emit spot_recu(*spot);
    } else if (!ligne.trimmed().isEmpty() && ligne_lisible(ligne)) {
        emit ligne_recue(QString::fromLatin1(ligne));
    }
}

void ConnexionCluster::perdre(const QString& raison) {
    if (etape_ == Etape::arretee || etape_ == Etape::attente) {
        return; // the error and the disconnection of one loss
    }
    etape_ = Etape::attente;
    // Qt's own words for the socket's failure, never shown to the operator.
    qCWarning(journal_cluster).noquote()
        << acces_.adresse() << ":" << raison << QStringLiteral("[%1]").arg(socket_->errorString());
    socket_->abort();
    const std::chrono::milliseconds attente = reprise_;
    reprise_ = std::min(reprise_ * 2, delais_.reprise_max);
    minuterie_->start(attente);
    emit echec(raison);
    if (etape_ == Etape::attente) {
        const auto secondes = std::chrono::ceil<std::chrono::seconds>(attente).count();
        emit etat_change(false, textes_cluster::perdu().arg(raison, acces_.adresse(),
                                                            QString::number(secondes)));
    }
}

} // namespace vorek
