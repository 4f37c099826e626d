#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>

namespace vorek {

// One band of the contest as the program names it, with its amateur allocation in IARU
// Region 1 (both edges included) and the frequency text of the Cabrillo report. The
// satellite band has no range: a radio's frequency never selects it.
struct PlageBande {
    const char* bande;
    qint64 debut_hz;
    qint64 fin_hz;
    const char* frequence_rapport;
};

// Every band of the band list, in its order.
std::span<const PlageBande> plages_bandes();

// The band whose range holds hz, or nothing outside every band.
std::optional<QString> bande_de_frequence(qint64 hz);

} // namespace vorek
