#include "cabrillo.h"

#include "champs.h"
#include "conversions.h"
#include "noms_rapports.h"

#include "log/etat.h"

#include <array>
#include <utility>

namespace vorek {

namespace {

// Widths of the eleven fields of a "QSO:" line, in order.
constexpr std::array<int, 11> largeurs_qso{4, 5, 2, 10, 4, 13, 3, 4, 13, 3, 4};
constexpr size_t champ_frequence = 1;

QString sans_premiere_etoile(QString numero) {
    const qsizetype etoile = numero.indexOf(QLatin1Char('*'));
    if (etoile >= 0) {
        numero.remove(etoile, 1);
    }
    return numero;
}

QStringList entete_cabrillo(const Station& station) {
    const QString club =
        station.station_nr_club == QStringLiteral("NM") ? QString() : QStringLiteral("ZTC");
    return {
        QStringLiteral("START-OF-LOG: 3.0"),
        QStringLiteral("CREATED-BY: CHALLENGE_VOREK V ") + version_programme(),
        QStringLiteral("CONTEST: CHALLENGE VOREK"),
        QStringLiteral("CALLSIGN: ") + station.station_call,
        QStringLiteral("CATEGORY-MODE: CW"),
        QStringLiteral("CATEGORY-OPERATOR:"),
        QStringLiteral("CATEGORY-POWER: "),
        QStringLiteral("CATEGORY-TRANSMITTER:"),
        QStringLiteral("CATEGORY-OVERLAY:"),
        QStringLiteral("CLUB: ") + club,
        QStringLiteral("NAME: ") + station.station_nom(),
        QStringLiteral("ADDRESS: ") + station.station_adresse1,
        QStringLiteral("ADDRESS: ") + station.station_adresse2,
        QStringLiteral("SOAPBOX: CLub nr : ") + station.station_nr_club,
        QString(),
    };
}

} // namespace

std::optional<QString> frequence_cabrillo(const QString& bande) {
    static const std::array<std::pair<const char*, const char*>, 15> table{{
        {"160m", " 1800"},
        {"80m", " 3500"},
        {"60m", " 5000"},
        {"40m", " 7000"},
        {"30m", "10000"},
        {"20m", "14000"},
        {"17m", "18000"},
        {"15m", "21000"},
        {"12m", "24000"},
        {"10m", "28000"},
        {"6m", "   50"},
        {"2m", "  144"},
        {"70cm", "  420"},
        {"23cm", " 1240"},
        {"sat", "  SAT"},
    }};
    for (const auto& [cle, texte] : table) {
        if (bande == QLatin1String(cle)) {
            return QString::fromLatin1(texte);
        }
    }
    return std::nullopt;
}

QString ligne_qso_cabrillo(const QStringList& cellules, const QString& station_call,
                           const QString& station_nr_club) {
    const std::optional<QString> freq = frequence_cabrillo(cellules.value(col_bande));
    const std::array<QString, 11> valeurs{
        QStringLiteral("QSO:"),
        freq.value_or(QString()),
        QStringLiteral("CW"),
        date_cabrillo(cellules.value(col_date)),
        heure_cabrillo(cellules.value(col_heure)),
        station_call,
        QStringLiteral("599"),
        station_nr_club,
        cellules.value(col_indicatif),
        QStringLiteral("599"),
        sans_premiere_etoile(cellules.value(col_ztc)),
    };
    QString ligne;
    for (size_t i = 0; i < valeurs.size(); ++i) {
        // A band without frequency leaves out the field and its blank.
        if (i == champ_frequence && !freq) {
            continue;
        }
        ligne += champ_gauche(valeurs[i], largeurs_qso[i]) + QLatin1Char(' ');
    }
    return ligne;
}

QStringList lignes_cabrillo(const Etat& etat) {
    const Station& station = etat.station;
    QStringList lignes = entete_cabrillo(station);
    for (int ligne = 1; ligne < etat.table.nb_lignes(); ++ligne) {
        const QStringList cellules = etat.table.ligne(ligne);
        if (!cellules.value(col_indicatif).isEmpty()) {
            lignes.append(
                ligne_qso_cabrillo(cellules, station.station_call, station.station_nr_club));
        }
    }
    lignes.append(QStringLiteral("END-OF-LOG:"));
    return lignes;
}

QString ecrire_cabrillo(Etat& etat) {
    etat.fichier_joint = chemin_cabrillo(etat);
    ecrire_rapport(etat, etat.fichier_joint, lignes_cabrillo(etat));
    return etat.fichier_joint;
}

} // namespace vorek
