#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <span>

namespace vorek {

// One band as every part of the program knows it: a new band is one record of bandes.cpp.
struct Bande {
    // As the log, the entry and the reports write it.
    const char* texte;
    // Its column's label in the entry's band grid (the column is its place in the table).
    const char* etiquette;
    // Its amateur allocation in IARU Region 1, both edges included, for the radio and the
    // spots; empty (debut > fin) for the satellite band, which no frequency selects.
    qint64 debut_hz;
    qint64 fin_hz;
    // The frequency field of our Cabrillo report; and the designation in MHz other loggers
    // write for a VHF band instead of kHz (0 for none).
    const char* frequence_rapport;
    int designation_mhz;
    // The FREQ value (MHz) of the ADIF report and of the ADIF export, nullptr for none.
    const char* frequence_adif_rapport;
    const char* frequence_adif_export;
    // The whole MHz the ADIF import reads as this band: lower edge included, upper excluded.
    double adif_debut_mhz;
    double adif_fin_mhz;
    // Points of a QSO that passed every rule, before the club-station bonus.
    int points_meme_continent;
    int points_autre_continent;
};

// Every band of the contest, in the order of the entry's band list and band grid.
std::span<const Bande> table_bandes();

// Band texts a log may hold that the entry never offers: the ADIF import names them from a
// frequency, and a log of an older build may carry "1,2m", which still scores.
std::span<const Bande> bandes_hors_liste();

// The band texts of the table, in its order.
QStringList bandes();

// The band grid's column labels, in the table's order.
QStringList etiquettes_grille_bandes();

// The record of a band text of the table (compared exactly), nullptr for another text.
const Bande* trouver_bande(const QString& texte);

// The band whose range holds hz, or nothing outside every band.
std::optional<QString> bande_de_frequence(qint64 hz);

// The report frequency of a band text, none for a band outside the list.
std::optional<QString> frequence_rapport(const QString& bande);

// The band a report frequency stands for (blanks around ignored), none for another text.
std::optional<QString> bande_de_frequence_rapport(const QString& frequence);

// Whether a number of a Cabrillo frequency field is a band's designation in MHz.
bool designation_mhz(qint64 valeur);

// The ADIF BAND value of a log's band cell, and the band cell of an ADIF BAND value: the
// log's texts are the ADIF names in small letters ("20M", "70CM", "SAT").
QString nom_adif_bande(const QString& bande);
QString bande_du_nom_adif(const QString& valeur);

} // namespace vorek
