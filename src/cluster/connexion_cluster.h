#pragma once

#include "decoupe_lignes.h"
#include "spot.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>

class QTcpSocket;
class QTimer;

namespace vorek {

// Where and as whom to log in.
struct AccesCluster {
    QString hote;
    quint16 port = 0;
    QString indicatif;
    QStringList commandes;
    QString adresse() const;
};

// The waits of the link; the tests shorten them.
struct DelaisCluster {
    // How long a login prompt is waited for before the call is sent anyway.
    std::chrono::milliseconds invite{5000};
    // How long a connection may take to open.
    std::chrono::milliseconds ouverture{10000};
    // The wait before the first new attempt after a loss, doubled at each failure up to the
    // longest.
    std::chrono::milliseconds premiere_reprise{5000};
    std::chrono::milliseconds reprise_max{120000};
};

// A cluster or a skimmer reached over TCP (telnet without option negotiation): waits for the
// login prompt, sends the call and the commands, then reads lines. A lost or refused link is
// said and tried again with growing waits until arreter(). Nothing here blocks: host look-up
// and connection run in the event loop.
class ConnexionCluster : public QObject {
    Q_OBJECT

  public:
    explicit ConnexionCluster(QObject* parent = nullptr);
    ~ConnexionCluster() override;

    void demarrer(const AccesCluster& acces, const DelaisCluster& delais = {});
    void arreter();
    // Logged in.
    bool connectee() const { return etape_ == Etape::ouverte; }
    // The wait before the next attempt, after a loss.
    std::chrono::milliseconds reprise() const { return reprise_; }

  signals:
    void spot_recu(const vorek::Spot& spot);
    // A line that is no spot (the cluster's messages), for the console.
    void ligne_recue(const QString& ligne);
    // connectee false: message says why and when the next attempt comes.
    void etat_change(bool connectee, const QString& message);
    // The link was lost or refused: cause in French, before the next attempt is planned.
    void echec(const QString& cause);

  private:
    enum class Etape { arretee, ouverture, invite, ouverte, attente };

    void ouvrir();
    void ouverte();
    void lire();
    void se_presenter();
    void perdre(const QString& cause);
    void traiter(const QByteArray& ligne);

    AccesCluster acces_;
    DelaisCluster delais_;
    QTcpSocket* socket_;
    QTimer* minuterie_;
    DecoupeLignes decoupe_;
    Etape etape_ = Etape::arretee;
    std::chrono::milliseconds reprise_{0};
};

} // namespace vorek
