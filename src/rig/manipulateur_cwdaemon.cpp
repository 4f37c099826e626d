#include "manipulateur_cwdaemon.h"

#include "reglages_rig.h"
#include "textes_rig.h"

#include "base/journal_diagnostic.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QUdpSocket>

namespace vorek {

namespace {

constexpr char echappement = '\x1b';
// cwdaemon drops what a request holds beyond this.
constexpr qsizetype taille_max_requete = 256;

QByteArray requete(char code, const QByteArray& valeur = {}) {
    return QByteArray(1, echappement) + code + valeur;
}

std::unique_ptr<Manipulateur> creer(const ReglagesManipulateur& reglages, SuiviRadio*) {
    return std::make_unique<ManipulateurCwdaemon>(reglages.hote, reglages.port, reglages.wpm);
}

QString cause_envoi(QAbstractSocket::SocketError erreur) {
    switch (erreur) {
    case QAbstractSocket::HostNotFoundError:
        return textes_rig::nom_inconnu();
    case QAbstractSocket::NetworkError:
        return textes_rig::reseau_injoignable();
    case QAbstractSocket::SocketAccessError:
        return textes_rig::acces_reseau_refuse();
    case QAbstractSocket::DatagramTooLargeError:
        return textes_rig::message_trop_long();
    default:
        return textes_rig::erreur_reseau();
    }
}

} // namespace

const SorteManipulateur& ManipulateurCwdaemon::declaration() {
    static const SorteManipulateur sorte{QStringLiteral("cwdaemon"),
                                         textes_rig::nom_cwdaemon(),
                                         textes_rig::nom_cwdaemon(),
                                         {.arret = true, .adresse = true, .accuse = true},
                                         &creer};
    return sorte;
}

ManipulateurCwdaemon::ManipulateurCwdaemon(const QString& hote, quint16 port, int wpm,
                                           QObject* parent)
    : Manipulateur(declaration(), wpm, parent), hote_(hote), port_(port),
      socket_(new QUdpSocket(this)) {
    connect(socket_, &QUdpSocket::readyRead, this, &ManipulateurCwdaemon::lire_reponses);
    if (const QHostAddress adresse(hote); !adresse.isNull()) {
        adresse_ = adresse;
    } else {
        QHostInfo::lookupHost(hote, this, [this](const QHostInfo& info) {
            if (info.error() != QHostInfo::NoError) {
                qCWarning(journal_manipulateur).noquote()
                    << "cwdaemon" << hote_ << ":" << info.errorString();
            }
            adresse_trouvee(info.addresses(), info.error() == QHostInfo::HostNotFound
                                                  ? textes_rig::nom_inconnu()
                                                  : textes_rig::recherche_nom_impossible());
        });
    }
    // The daemon may run at another speed than the one the operator set here.
    appliquer_vitesse(vitesse());
}

void ManipulateurCwdaemon::adresse_trouvee(const QList<QHostAddress>& adresses,
                                           const QString& cause) {
    // cwdaemon listens on IPv4: prefer it when the name has both.
    for (const QHostAddress& a : adresses) {
        if (adresse_.isNull() || (a.protocol() == QAbstractSocket::IPv4Protocol &&
                                  adresse_.protocol() != QAbstractSocket::IPv4Protocol)) {
            adresse_ = a;
        }
    }
    if (adresse_.isNull()) {
        introuvable_ = textes_rig::cwdaemon_introuvable().arg(hote_, cause);
        en_attente_.clear();
        emit erreur(introuvable_);
        return;
    }
    for (const QByteArray& octets : std::as_const(en_attente_)) {
        envoyer_datagramme(octets);
    }
    en_attente_.clear();
}

bool ManipulateurCwdaemon::envoyer_datagramme(const QByteArray& octets) {
    if (!introuvable_.isEmpty()) {
        emit erreur(introuvable_);
        return false;
    }
    if (adresse_.isNull()) {
        en_attente_.append(octets);
        return true;
    }
    if (socket_->writeDatagram(octets, adresse_, port_) != octets.size()) {
        qCWarning(journal_manipulateur).noquote()
            << "cwdaemon" << hote_ << port_ << ":" << socket_->errorString();
        emit erreur(textes_rig::envoi_cw_impossible().arg(cause_envoi(socket_->error())));
        return false;
    }
    return true;
}

QString ManipulateurCwdaemon::sans_accuse() const {
    return textes_rig::cwdaemon_muet().arg(hote_).arg(port_);
}

bool ManipulateurCwdaemon::transmettre(const QString& texte) {
    if (!envoyer_datagramme(requete('h', QByteArray::number(++jeton_)))) {
        return false;
    }
    const QByteArray octets = texte.toLatin1();
    for (qsizetype debut = 0; debut < octets.size(); debut += taille_max_requete) {
        if (!envoyer_datagramme(octets.mid(debut, taille_max_requete))) {
            return false;
        }
    }
    return true;
}

void ManipulateurCwdaemon::interrompre() {
    envoyer_datagramme(requete('4'));
}

void ManipulateurCwdaemon::appliquer_vitesse(int wpm) {
    envoyer_datagramme(requete('2', QByteArray::number(wpm)));
}

void ManipulateurCwdaemon::lire_reponses() {
    while (socket_->hasPendingDatagrams()) {
        const QByteArray reponse = socket_->receiveDatagram().data().trimmed();
        if (!reponse.startsWith('h')) {
            continue;
        }
        marquer_etat(EtatManipulateur::verifie);
        if (reponse.mid(1) == QByteArray::number(jeton_)) {
            accuser_envoi();
        }
    }
}

} // namespace vorek
