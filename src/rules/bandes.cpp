#include "bandes.h"

#include <array>

namespace vorek {

namespace {

constexpr qint64 khz = 1000;
constexpr qint64 mhz = 1000 * khz;
constexpr qint64 aucune = -1; // with a start of 0: no frequency selects the band

// clang-format off
constexpr std::array<Bande, 15> table{{
//   texte   grille  IARU debut    IARU fin    Cabrillo  MHz  ADIF rapport ADIF export  import ADIF    points
    {"160m", "160m", 1810 * khz,   2000 * khz,  "1800",  0,   nullptr,     "1.845",     1,     2,      3, 6},
    {"80m",  "80m",  3500 * khz,   3800 * khz,  "3500",  0,   "3.5",       "3.5",       3,     4,      2, 5},
    {"60m",  "60m",  5351500,      5366500,     "5000",  0,   nullptr,     nullptr,     5,     6,      2, 5},
    {"40m",  "40m",  7000 * khz,   7200 * khz,  "7000",  0,   "7",         "7",         7,     7.3,    2, 5},
    {"30m",  "30m",  10100 * khz,  10150 * khz, "10000", 0,   nullptr,     "10.1",      10,    10.15,  2, 5},
    {"20m",  "20m",  14000 * khz,  14350 * khz, "14000", 0,   "14",        "14",        14,    14.35,  4, 3},
    {"17m",  "17m",  18068 * khz,  18168 * khz, "18000", 0,   nullptr,     "18.070",    18,    18.17,  4, 3},
    {"15m",  "15m",  21000 * khz,  21450 * khz, "21000", 0,   "21",        "21",        21,    21.45,  4, 3},
    {"12m",  "12m",  24890 * khz,  24990 * khz, "24000", 0,   nullptr,     "24.890",    24,    24.99,  4, 3},
    {"10m",  "10m",  28000 * khz,  29700 * khz, "28000", 0,   "28",        "28",        28,    29.7,   4, 3},
    {"6m",   "6m",   50 * mhz,     52 * mhz,    "50",    50,  nullptr,     "50",        50,    54,     5, 8},
    {"2m",   "2m",   144 * mhz,    146 * mhz,   "144",   144, nullptr,     "144",       144,   148,    6, 10},
    {"70cm", "70cm", 430 * mhz,    440 * mhz,   "420",   432, nullptr,     nullptr,     420,   450,    10, 15},
    {"23cm", "23cm", 1240 * mhz,   1300 * mhz,  "1240",  0,   nullptr,     nullptr,     1240,  1300,   10, 15},
    {"sat",  "SAT",  0,            aucune,      "SAT",   0,   nullptr,     nullptr,     0,     0,      10, 15},
}};

constexpr std::array<Bande, 6> hors_liste{{
    {"1,2m", "",     0,            aucune,      "",      0,   nullptr,     nullptr,     0,     0,      10, 15},
    {"33cm", "",     0,            aucune,      "",      0,   nullptr,     nullptr,     902,   928,    0, 0},
    {"13cm", "",     0,            aucune,      "",      0,   nullptr,     nullptr,     2300,  2450,   0, 0},
    {"9cm",  "",     0,            aucune,      "",      0,   nullptr,     nullptr,     3300,  3500,   0, 0},
    {"6cm",  "",     0,            aucune,      "",      0,   nullptr,     nullptr,     5650,  5925,   0, 0},
    {"3cm",  "",     0,            aucune,      "",      0,   nullptr,     nullptr,     10000, 10500,  0, 0},
}};
// clang-format on

QStringList textes(const char* Bande::*champ) {
    QStringList liste;
    for (const Bande& b : table) {
        liste.append(QString::fromLatin1(b.*champ));
    }
    return liste;
}

} // namespace

std::span<const Bande> table_bandes() {
    return table;
}

std::span<const Bande> bandes_hors_liste() {
    return hors_liste;
}

QStringList bandes() {
    // Built once: the entry asks for it at every keystroke.
    static const QStringList liste = textes(&Bande::texte);
    return liste;
}

QStringList etiquettes_grille_bandes() {
    return textes(&Bande::etiquette);
}

const Bande* trouver_bande(const QString& texte) {
    for (const Bande& b : table) {
        if (texte == QLatin1String(b.texte)) {
            return &b;
        }
    }
    return nullptr;
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
    if (const Bande* b = trouver_bande(bande)) {
        return QString::fromLatin1(b->frequence_rapport);
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

bool designation_mhz(qint64 valeur) {
    for (const Bande& b : table) {
        if (b.designation_mhz != 0 && valeur == b.designation_mhz) {
            return true;
        }
    }
    return false;
}

QString nom_adif_bande(const QString& bande) {
    return bande.toUpper();
}

QString bande_du_nom_adif(const QString& valeur) {
    return valeur.trimmed().toLower();
}

} // namespace vorek
