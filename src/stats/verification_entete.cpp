#include "textes_stats.h"
#include "verification_parties.h"

#include "log/fiche_station.h"
#include "reports/cabrillo.h"

#include <QHash>

namespace vorek {

namespace {

// "CALLSIGN:" of "CALLSIGN: F4XYZ"; a line without a colon has none.
QString etiquette_de(const QString& ligne) {
    const qsizetype deux_points = ligne.indexOf(QLatin1Char(':'));
    return deux_points < 0 ? QString() : ligne.left(deux_points + 1);
}

// Where the header holds the rang-th line of that label, -1 when it does not.
qsizetype position_de(const QStringList& entete, const QString& etiquette, int rang) {
    for (qsizetype i = 0; i < entete.size(); ++i) {
        if (etiquette_de(entete[i]) == etiquette && rang-- == 0) {
            return i;
        }
    }
    return -1;
}

// The constat for a line that must not be empty after its label, nullptr for the others.
const char* code_si_vide(const QString& etiquette, int rang, QString& texte) {
    if (etiquette == QStringLiteral("CALLSIGN:")) {
        texte = textes_stats::indicatif_station_vide();
        return codes_constat::indicatif_station_vide;
    }
    if (etiquette == QStringLiteral("NAME:")) {
        texte = textes_stats::nom_vide();
        return codes_constat::nom_vide;
    }
    if (etiquette == QStringLiteral("ADDRESS:")) {
        texte = textes_stats::adresse_vide(rang + 1);
        return codes_constat::adresse_vide;
    }
    return nullptr;
}

void verifier_valeur(const QString& lue, const QString& attendue, const QString& etiquette,
                     int rang, QList<Constat>& constats) {
    QString texte;
    const char* code = code_si_vide(etiquette, rang, texte);
    if (code && QStringView(lue).mid(etiquette.size()).trimmed().isEmpty()) {
        ajouter_constat(constats, 0, code, texte);
    } else if (lue != attendue) {
        ajouter_constat(constats, 0, codes_constat::entete_differente,
                        textes_stats::entete_differente(lue, attendue));
    }
}

} // namespace

void verifier_entete(const QStringList& entete, const Station& station, QList<Constat>& constats) {
    QHash<QString, int> vues;
    qsizetype precedente = -1;
    QString etiquette_precedente;
    for (const QString& attendue : entete_cabrillo(station)) {
        const QString etiquette = etiquette_de(attendue);
        if (etiquette.isEmpty()) {
            continue; // the empty line that closes the header
        }
        const int rang = vues[etiquette]++;
        const qsizetype position = position_de(entete, etiquette, rang);
        if (position < 0) {
            ajouter_constat(constats, 0, codes_constat::entete_absente,
                            textes_stats::entete_absente(etiquette));
            continue;
        }
        if (position < precedente) {
            ajouter_constat(constats, 0, codes_constat::entete_desordre,
                            textes_stats::entete_desordre(etiquette, etiquette_precedente));
        } else {
            precedente = position;
            etiquette_precedente = etiquette;
        }
        verifier_valeur(entete[position], attendue, etiquette, rang, constats);
    }
}

} // namespace vorek
