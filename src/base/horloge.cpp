#include "horloge.h"

namespace vorek {

QDateTime HorlogeSysteme::maintenant_local() const {
    return QDateTime::currentDateTime();
}

QDateTime HorlogeSysteme::maintenant_utc() const {
    return QDateTime::currentDateTimeUtc();
}

std::optional<int> HorlogeSysteme::biais_fuseau_minutes() const {
    return -QDateTime::currentDateTime().offsetFromUtc() / 60;
}

HorlogeFixe::HorlogeFixe(QDateTime local, int biais_minutes)
    : local_(std::move(local)), biais_(biais_minutes) {}

QDateTime HorlogeFixe::maintenant_utc() const {
    // The true UTC time, to the minute, whatever the bias.
    QDateTime utc(local_.date(), local_.time(), Qt::UTC);
    return utc.addSecs(qint64(biais_) * 60);
}

int calculer_decalage_UTC(std::optional<int> biais_minutes) {
    if (!biais_minutes) {
        return 0;
    }
    const int quarts = *biais_minutes / 15;
    return quarts / 4;
}

} // namespace vorek
