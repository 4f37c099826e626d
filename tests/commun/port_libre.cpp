#include "port_libre.h"

#include <QTcpServer>

quint16 port_libre() {
    QTcpServer serveur;
    serveur.listen(QHostAddress::LocalHost, 0);
    return serveur.serverPort();
}
