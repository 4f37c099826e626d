#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace vorek {

// The bytes of a cluster's stream cut into lines. Telnet commands (IAC ...) are dropped
// unanswered: the line protocol needs none. A line growing past longueur_max_ligne is
// dropped as it comes, so a stream without end of line never fills the memory.
class DecoupeLignes {
  public:
    // The lines these bytes complete, without their CR LF.
    QList<QByteArray> ajouter(QByteArrayView octets);
    // The start of a line not ended yet: a login prompt waits there.
    const QByteArray& en_cours() const { return ligne_; }
    // That start taken as a whole line (a prompt answered): what follows is another line.
    QByteArray prendre_en_cours();
    void vider();

  private:
    enum class Telnet { texte, commande, option, sous_negociation, fin_sous_negociation };

    bool octet_telnet(unsigned char octet);
    void octet_texte(char octet, QList<QByteArray>& lignes);

    Telnet telnet_ = Telnet::texte;
    QByteArray ligne_;
    bool trop_longue_ = false;
    bool apres_cr_ = false;
};

} // namespace vorek
