#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <span>

namespace vorek {

// One band of the contest as the program names it, with its amateur allocation in IARU
// Region 1 (both edges included) and the frequency text of the Cabrillo report. The
// satellite band has no range: a radio's frequency never selects it.
struct Bande {
    const char* texte;
    qint64 debut_hz;
    qint64 fin_hz;
    const char* frequence_rapport;
};

// Every band of the contest, in the order of the entry's band list.
std::span<const Bande> table_bandes();

// The band texts, in that order.
QStringList bandes();

// The band whose range holds hz, or nothing outside every band.
std::optional<QString> bande_de_frequence(qint64 hz);

// The report frequency of a band text, none for a band outside the list.
std::optional<QString> frequence_rapport(const QString& bande);

// The band a report frequency stands for (blanks around ignored), none for another text.
std::optional<QString> bande_de_frequence_rapport(const QString& frequence);

} // namespace vorek
