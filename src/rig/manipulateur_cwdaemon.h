#pragma once

#include "manipulateur.h"

#include <QByteArrayList>
#include <QHostAddress>

class QUdpSocket;

namespace vorek {

// cwdaemon over UDP. Each message goes out as an echo request followed by the text: the
// answer to the request, once the text is keyed, shows the daemon is there and ends the
// message. Speed and abort are its escape requests.
class ManipulateurCwdaemon : public Manipulateur {
    Q_OBJECT

  public:
    static constexpr quint16 port_par_defaut = 6789;

    ManipulateurCwdaemon(const QString& hote, quint16 port, int wpm, QObject* parent = nullptr);

    static const SorteManipulateur& declaration();

    QString sans_accuse() const override;

  protected:
    bool transmettre(const QString& texte) override;
    void interrompre() override;
    void appliquer_vitesse(int wpm) override;

  private:
    bool envoyer_datagramme(const QByteArray& octets);
    void adresse_trouvee(const QList<QHostAddress>& adresses, const QString& cause);
    void lire_reponses();

    QString hote_;
    quint16 port_;
    QUdpSocket* socket_;
    QHostAddress adresse_;
    QString introuvable_;       // why the host name gave no address
    QByteArrayList en_attente_; // sent once the host name is resolved
    int jeton_ = 0;
};

} // namespace vorek
