#include "points.h"

#include <QHash>

namespace vorek {

int points_bande(const QString& bande, bool meme_continent) {
    struct Points {
        int meme;
        int autre;
    };
    static const QHash<QString, Points> table{
        {QStringLiteral("160m"), {3, 6}},   {QStringLiteral("80m"), {2, 5}},
        {QStringLiteral("60m"), {2, 5}},    {QStringLiteral("40m"), {2, 5}},
        {QStringLiteral("30m"), {2, 5}},    {QStringLiteral("20m"), {4, 3}},
        {QStringLiteral("17m"), {4, 3}},    {QStringLiteral("15m"), {4, 3}},
        {QStringLiteral("12m"), {4, 3}},    {QStringLiteral("10m"), {4, 3}},
        {QStringLiteral("6m"), {5, 8}},     {QStringLiteral("2m"), {6, 10}},
        {QStringLiteral("1,2m"), {10, 15}}, {QStringLiteral("70cm"), {10, 15}},
        {QStringLiteral("23cm"), {10, 15}}, {QStringLiteral("sat"), {10, 15}},
    };
    const auto trouve = table.constFind(bande);
    if (trouve == table.cend()) {
        return 0;
    }
    return meme_continent ? trouve->meme : trouve->autre;
}

QString indicatif_station_club() {
    return QStringLiteral("F8ZTC");
}

} // namespace vorek
