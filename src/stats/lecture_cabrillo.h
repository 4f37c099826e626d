#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace vorek {

// A "QSO:" line read back by the columns the report writer puts its fields in.
struct QsoRelu {
    // The frequency field as written, empty when the line has none.
    QString frequence;
    // The band of the frequency, none without a field or for a text of no band.
    std::optional<QString> bande;
    QDate date;
    QTime heure;
    QString indicatif_station;
    QString numero_station;
    QString indicatif;
    QString numero;
};

struct LectureQso {
    std::optional<QsoRelu> qso;
    // When the line does not read: the field at fault (ChampQso) and its characters,
    // counted from 1.
    int champ = 0;
    int premier = 0;
    int dernier = 0;
};

LectureQso lire_ligne_qso(const QString& ligne);

} // namespace vorek
