#pragma once

#include <QByteArrayView>
#include <QString>
#include <QTime>
#include <QtGlobal>

#include <optional>

namespace vorek {

// One announcement of a cluster or a skimmer: who heard whom, where.
struct Spot {
    QString spotter;
    qint64 frequence_hz = 0;
    QString indicatif;
    QString commentaire;
    // The time the line gives (HHMMZ, UTC); invalid when it gives none.
    QTime heure;
    bool operator==(const Spot&) const = default;
};

// Lines longer than this are no cluster's: they are dropped, never kept whole.
constexpr qsizetype longueur_max_ligne = 1024;

// A line worth reading: not too long, printable ASCII only (a NUL or a byte above 127
// drops it).
bool ligne_lisible(QByteArrayView ligne);

// "DX de SPOTTER: 14025.0 F5ABC comment 1012Z" and its usual variants (no decimal, no time,
// longer spotter, skimmer lines); nothing for any other line.
std::optional<Spot> lire_spot(QByteArrayView ligne);

// False when the comment names a mode other than CW (SSB, FT8, RTTY, ...): a spot that names
// none is taken as CW, as skimmers and most CW spotters leave it.
bool spot_cw(const Spot& spot);

// "14025.0": the frequency in kHz with one decimal.
QString texte_khz(qint64 hz);

} // namespace vorek
