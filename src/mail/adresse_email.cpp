#include "adresse_email.h"

#include <optional>

namespace vorek {

namespace {

enum class EtatAdresse {
    debut,
    atome,
    guillemets,
    echappement,
    fin_guillemets,
    point_local,
    debut_domaine,
    etiquette,
    tiret,
};

bool caractere_atome(char16_t c) {
    static const QString speciaux = QStringLiteral("\"(),./:;<>@[\\]");
    return c >= 33 && c <= 255 && c != 127 && !speciaux.contains(QChar(c));
}

bool lettre(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool chiffre(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The next state, or nothing when the pair rejects the text.
std::optional<EtatAdresse> suivant(EtatAdresse etat, char16_t c) {
    using E = EtatAdresse;
    switch (etat) {
    case E::debut:
        if (c == u'"')
            return E::guillemets;
        if (caractere_atome(c))
            return E::atome;
        break;
    case E::atome:
        if (c == u'@')
            return E::debut_domaine;
        if (c == u'.')
            return E::point_local;
        if (caractere_atome(c))
            return E::atome;
        break;
    case E::guillemets:
        if (c == u'\\')
            return E::echappement;
        if (c == u'"')
            return E::fin_guillemets;
        if (c == u'\r')
            break;
        return E::guillemets;
    case E::echappement:
        return E::guillemets;
    case E::fin_guillemets:
        if (c == u'@')
            return E::debut_domaine;
        if (c == u'.')
            return E::point_local;
        break;
    case E::point_local:
        if (c == u'"')
            return E::guillemets;
        if (caractere_atome(c))
            return E::atome;
        break;
    case E::debut_domaine:
        if (lettre(c))
            return E::etiquette;
        break;
    case E::etiquette:
        if (c == u'.')
            return E::debut_domaine;
        if (c == u'-')
            return E::tiret;
        if (lettre(c) || chiffre(c))
            return E::etiquette;
        break;
    case E::tiret:
        if (c == u'-')
            return E::tiret;
        if (lettre(c) || chiffre(c))
            return E::etiquette;
        break;
    }
    return std::nullopt;
}

} // namespace

bool adresse_email_valide(const QString& texte) {
    EtatAdresse etat = EtatAdresse::debut;
    int etiquettes = 1;
    for (const QChar c : texte) {
        const std::optional<EtatAdresse> prochain = suivant(etat, c.unicode());
        if (!prochain) {
            return false;
        }
        if (etat == EtatAdresse::etiquette && *prochain == EtatAdresse::debut_domaine) {
            ++etiquettes;
        }
        etat = *prochain;
    }
    return etat == EtatAdresse::etiquette && etiquettes >= 2;
}

bool adresse_email_envoyable(const QString& texte) {
    for (const QChar c : texte) {
        if (c.unicode() < 32 || c.unicode() == 127) {
            return false;
        }
    }
    return adresse_email_valide(texte);
}

} // namespace vorek
