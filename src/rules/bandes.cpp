#include "bandes.h"

#include <array>

namespace vorek {

namespace {

constexpr qint64 khz = 1000;
constexpr qint64 mhz = 1000 * khz;

constexpr std::array<Bande, 15> table{{
    {"160m", 1810 * khz, 2000 * khz, "1800"},
    {"80m", 3500 * khz, 3800 * khz, "3500"},
    {"60m", 5351500, 5366500, "5000"},
    {"40m", 7000 * khz, 7200 * khz, "7000"},
    {"30m", 10100 * khz, 10150 * khz, "10000"},
    {"20m", 14000 * khz, 14350 * khz, "14000"},
    {"17m", 18068 * khz, 18168 * khz, "18000"},
    {"15m", 21000 * khz, 21450 * khz, "21000"},
    {"12m", 24890 * khz, 24990 * khz, "24000"},
    {"10m", 28000 * khz, 29700 * khz, "28000"},
    {"6m", 50 * mhz, 52 * mhz, "50"},
    {"2m", 144 * mhz, 146 * mhz, "144"},
    {"70cm", 430 * mhz, 440 * mhz, "420"},
    {"23cm", 1240 * mhz, 1300 * mhz, "1240"},
    {"sat", 0, -1, "SAT"},
}};

} // namespace

std::span<const Bande> table_bandes() {
    return table;
}

QStringList bandes() {
    // Built once: the entry asks for it at every keystroke.
    static const QStringList textes = [] {
        QStringList liste;
        for (const Bande& b : table) {
            liste.append(QString::fromLatin1(b.texte));
        }
        return liste;
    }();
    return textes;
}

std::optional<QString> bande_de_frequence(qint64 hz) {
    for (const Bande& b : table) {
        if (hz >= b.debut_hz && hz <= b.fin_hz) {
            return QString::fromLatin1(b.texte);
        }
    }
    return std::nullopt;
}

std::optional<QString> frequence_rapport(const QString& bande) {
    for (const Bande& b : table) {
        if (bande == QLatin1String(b.texte)) {
            return QString::fromLatin1(b.frequence_rapport);
        }
    }
    return std::nullopt;
}

std::optional<QString> bande_de_frequence_rapport(const QString& frequence) {
    const QString texte = frequence.trimmed();
    for (const Bande& b : table) {
        if (texte == QLatin1String(b.frequence_rapport)) {
            return QString::fromLatin1(b.texte);
        }
    }
    return std::nullopt;
}

} // namespace vorek
