#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace vorek {

class Etat;
struct CellulesQSO;
class SortieLignes;
struct Station;

// The fields of a "QSO:" line in their order, and their widths: each field is its text
// blank-filled or cut to the width, then one blank. A band without report frequency leaves
// out the frequency field and its blank.
enum ChampQso {
    champ_qso,
    champ_frequence,
    champ_mode,
    champ_date,
    champ_heure,
    champ_indicatif_station,
    champ_rst_envoye,
    champ_numero_station,
    champ_indicatif,
    champ_rst_recu,
    champ_numero,
};
inline constexpr std::array<int, 11> largeurs_qso_cabrillo{4, 5, 2, 10, 4, 13, 3, 4, 13, 3, 4};

// The header block, its closing empty line included.
QStringList entete_cabrillo(const Station& station);

// One "QSO:" line for a log row (its cells, column 0 first).
QString ligne_qso_cabrillo(const CellulesQSO& qso, const QString& station_call,
                           const QString& station_nr_club);

// The whole report: header, one line per row with a call, "END-OF-LOG:".
void rediger_cabrillo(const Etat& etat, SortieLignes& sortie);
QStringList lignes_cabrillo(const Etat& etat);

// Writes the report beside the challenge file and keeps its path in fichier_joint, which
// is set before the file is created. Returns the path; throws Erreur.
QString ecrire_cabrillo(Etat& etat);

} // namespace vorek
