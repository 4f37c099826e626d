#include "decoupe_lignes.h"

#include "spot.h"

#include <utility>

namespace vorek {

namespace {

constexpr unsigned char iac = 255;
constexpr unsigned char sb = 250;
constexpr unsigned char se = 240;
constexpr unsigned char will = 251;

} // namespace

QList<QByteArray> DecoupeLignes::ajouter(QByteArrayView octets) {
    QList<QByteArray> lignes;
    for (const char c : octets) {
        if (!octet_telnet(static_cast<unsigned char>(c))) {
            octet_texte(c, lignes);
        }
    }
    return lignes;
}

QByteArray DecoupeLignes::prendre_en_cours() {
    return trop_longue_ ? QByteArray() : std::exchange(ligne_, QByteArray());
}

void DecoupeLignes::vider() {
    *this = DecoupeLignes();
}

// True when the byte belongs to a telnet command. IAC IAC stands for the byte 255 itself,
// which the line then carries (and is dropped for).
bool DecoupeLignes::octet_telnet(unsigned char octet) {
    switch (telnet_) {
    case Telnet::texte:
        if (octet != iac) {
            return false;
        }
        telnet_ = Telnet::commande;
        return true;
    case Telnet::commande:
        if (octet == iac) {
            telnet_ = Telnet::texte;
            return false;
        }
        telnet_ = octet == sb     ? Telnet::sous_negociation
                  : octet >= will ? Telnet::option
                                  : Telnet::texte;
        return true;
    case Telnet::option:
        telnet_ = Telnet::texte;
        return true;
    case Telnet::sous_negociation:
        telnet_ = octet == iac ? Telnet::fin_sous_negociation : Telnet::sous_negociation;
        return true;
    case Telnet::fin_sous_negociation:
        telnet_ = octet == se ? Telnet::texte : Telnet::sous_negociation;
        return true;
    }
    return false;
}

void DecoupeLignes::octet_texte(char octet, QList<QByteArray>& lignes) {
    // Telnet sends a bare carriage return as CR NUL.
    const bool cr_nul = apres_cr_ && octet == '\0';
    apres_cr_ = octet == '\r';
    if (octet == '\r' || cr_nul) {
        return;
    }
    if (octet == '\n') {
        if (!trop_longue_) {
            lignes.append(ligne_);
        }
        ligne_.clear();
        trop_longue_ = false;
        return;
    }
    if (trop_longue_) {
        return;
    }
    ligne_.append(octet);
    if (ligne_.size() > longueur_max_ligne) {
        ligne_.clear();
        trop_longue_ = true;
    }
}

} // namespace vorek
