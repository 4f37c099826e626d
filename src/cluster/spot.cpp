#include "spot.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace vorek {

namespace {

// Frequencies above this are no amateur band's.
constexpr double khz_max = 300'000'000.0;

bool frequence(const QString& texte, qint64& hz) {
    static const QRegularExpression forme(QStringLiteral("^\\d{1,9}(\\.\\d{1,3})?$"));
    if (!forme.match(texte).hasMatch()) {
        return false;
    }
    const double khz = texte.toDouble();
    if (khz <= 0 || khz > khz_max) {
        return false;
    }
    hz = std::llround(khz * 1000.0);
    return true;
}

bool indicatif(const QString& texte) {
    static const QRegularExpression forme(QStringLiteral("^[A-Z0-9/]{3,15}$"));
    return forme.match(texte).hasMatch() &&
           std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isDigit(); }) &&
           std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isLetter(); });
}

QTime heure(const QString& texte) {
    static const QRegularExpression forme(QStringLiteral("^([01]\\d|2[0-3])([0-5]\\d)Z$"));
    const QRegularExpressionMatch m = forme.match(texte);
    return m.hasMatch() ? QTime(m.captured(1).toInt(), m.captured(2).toInt()) : QTime();
}

} // namespace

bool ligne_lisible(QByteArrayView ligne) {
    if (ligne.size() > longueur_max_ligne) {
        return false;
    }
    return std::none_of(ligne.begin(), ligne.end(), [](char c) {
        const auto octet = static_cast<unsigned char>(c);
        return octet == 0 || octet > 127;
    });
}

std::optional<Spot> lire_spot(QByteArrayView ligne) {
    if (!ligne_lisible(ligne)) {
        return std::nullopt;
    }
    // Control characters (a bell after the spot, tabs) read as blanks.
    QString texte = QString::fromLatin1(ligne).trimmed();
    for (QChar& c : texte) {
        if (c.unicode() < 32) {
            c = QLatin1Char(' ');
        }
    }
    const QString debut = QStringLiteral("DX de ");
    if (!texte.startsWith(debut, Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    const qsizetype deux_points = texte.indexOf(QLatin1Char(':'), debut.size());
    Spot spot;
    spot.spotter = texte.mid(debut.size(), deux_points - debut.size()).trimmed();
    if (deux_points < 0 || spot.spotter.isEmpty() || spot.spotter.contains(QLatin1Char(' '))) {
        return std::nullopt;
    }
    const QStringList mots = texte.mid(deux_points + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (mots.size() < 2 || !frequence(mots[0], spot.frequence_hz)) {
        return std::nullopt;
    }
    spot.indicatif = mots[1].toUpper();
    if (!indicatif(spot.indicatif)) {
        return std::nullopt;
    }
    // The time is the last HHMMZ word; what follows it (a locator) is no comment.
    qsizetype fin = mots.size();
    for (qsizetype i = mots.size() - 1; i >= 2; --i) {
        if (heure(mots[i]).isValid()) {
            spot.heure = heure(mots[i]);
            fin = i;
            break;
        }
    }
    spot.commentaire = mots.mid(2, fin - 2).join(QLatin1Char(' '));
    return spot;
}

bool spot_cw(const Spot& spot) {
    static const QStringList autres{
        QStringLiteral("SSB"),    QStringLiteral("USB"),  QStringLiteral("LSB"),
        QStringLiteral("FM"),     QStringLiteral("AM"),   QStringLiteral("FT8"),
        QStringLiteral("FT4"),    QStringLiteral("RTTY"), QStringLiteral("PSK"),
        QStringLiteral("PSK31"),  QStringLiteral("JT65"), QStringLiteral("JS8"),
        QStringLiteral("MSK144"), QStringLiteral("SSTV"), QStringLiteral("DIGI")};
    const QStringList mots = spot.commentaire.toUpper().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (mots.contains(QStringLiteral("CW"))) {
        return true;
    }
    return std::none_of(mots.begin(), mots.end(),
                        [](const QString& mot) { return autres.contains(mot); });
}

QString texte_khz(qint64 hz) {
    return QString::number(double(hz) / 1000.0, 'f', 1);
}

} // namespace vorek
