#include "conversions.h"

namespace vorek {

namespace {

QString annee_cellule(const QString& cellule) {
    if (cellule.size() == 8) {
        return QStringLiteral("20") + cellule.mid(6, 2);
    }
    return cellule.mid(6, 4);
}

} // namespace

QString date_aaaammjj(const QString& cellule) {
    return annee_cellule(cellule) + cellule.mid(3, 2) + cellule.left(2);
}

QString date_cabrillo(const QString& cellule) {
    return annee_cellule(cellule) + QLatin1Char('-') + cellule.mid(3, 2) + QLatin1Char('-') +
           cellule.left(2);
}

QString date_adif(const QString& cellule) {
    QString chiffres = cellule;
    chiffres.remove(QLatin1Char('/'));
    if (chiffres.size() == 6) {
        chiffres.insert(4, QStringLiteral("20"));
    }
    return chiffres.mid(4, 4) + chiffres.mid(2, 2) + chiffres.left(2);
}

QString heure_cabrillo(const QString& cellule) {
    return cellule.left(2) + cellule.mid(3, 2);
}

QString heure_adif(const QString& cellule) {
    QString heure = cellule;
    return heure.remove(2, 1);
}

} // namespace vorek
