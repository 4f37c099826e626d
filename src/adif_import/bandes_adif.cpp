#include "bandes_adif.h"

#include <array>

namespace vorek {

namespace {

// Lower edge included, upper edge excluded, in MHz; the edges below a whole megahertz
// only matter to a value that keeps its decimals.
struct BandeMhz {
    double debut;
    double fin;
    const char* bande;
};

constexpr std::array<BandeMhz, 19> table{{
    {1, 2, "160m"},      {3, 4, "80m"},       {5, 6, "60m"},         {7, 7.3, "40m"},
    {10, 10.15, "30m"},  {14, 14.35, "20m"},  {18, 18.17, "17m"},    {21, 21.45, "15m"},
    {24, 24.99, "12m"},  {28, 29.7, "10m"},   {50, 54, "6m"},        {144, 148, "2m"},
    {420, 450, "70cm"},  {902, 928, "33cm"},  {1240, 1300, "23cm"},  {2300, 2450, "13cm"},
    {3300, 3500, "9cm"}, {5650, 5925, "6cm"}, {10000, 10500, "3cm"},
}};

} // namespace

QString bande_de_mhz(int mhz) {
    for (const BandeMhz& b : table) {
        if (mhz >= b.debut && mhz < b.fin) {
            return QString::fromLatin1(b.bande);
        }
    }
    return QStringLiteral("???");
}

QString bande_de_texte(const QString& valeur) {
    return valeur.trimmed().toLower();
}

} // namespace vorek
