#include "dates.h"

#include "erreur.h"

#include <QStringList>

#include <cmath>

namespace vorek {

namespace {

const QDate origine(1899, 12, 30);
constexpr double millisecondes_par_jour = 86400000.0;

bool lire_nombre(const QString& texte, int chiffres_max, int& valeur) {
    if (texte.isEmpty() || texte.size() > chiffres_max) {
        return false;
    }
    for (const QChar c : texte) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    valeur = texte.toInt();
    return true;
}

bool lire_date_seule(const QString& texte, QDate& date) {
    const QStringList parts = texte.split(QLatin1Char('/'));
    int jour = 0;
    int mois = 0;
    int annee = 0;
    if (parts.size() != 3 || !lire_nombre(parts[0], 2, jour) || !lire_nombre(parts[1], 2, mois) ||
        !lire_nombre(parts[2], 4, annee)) {
        return false;
    }
    if (parts[2].size() <= 2) {
        annee += 2000;
    }
    date = QDate(annee, mois, jour);
    return date.isValid();
}

bool lire_heure_seule(const QString& texte, QTime& heure) {
    const QStringList parts = texte.split(QLatin1Char(':'));
    int h = 0;
    int m = 0;
    int s = 0;
    if (parts.size() < 2 || parts.size() > 3 || !lire_nombre(parts[0], 2, h) ||
        !lire_nombre(parts[1], 2, m) || (parts.size() == 3 && !lire_nombre(parts[2], 2, s))) {
        return false;
    }
    heure = QTime(h, m, s);
    return heure.isValid();
}

QString message(const char* modele, const QString& texte) {
    return QString::fromUtf8(modele).arg(texte);
}

} // namespace

double vers_jours(const QDate& date, const QTime& heure) {
    return double(origine.daysTo(date)) + heure.msecsSinceStartOfDay() / millisecondes_par_jour;
}

double vers_jours(const QDateTime& moment) {
    return vers_jours(moment.date(), moment.time());
}

QDateTime depuis_jours(double jours) {
    const double entier = std::floor(jours);
    const auto ms = qint64(std::llround((jours - entier) * millisecondes_par_jour));
    return QDateTime(origine.addDays(qint64(entier)), QTime(0, 0)).addMSecs(ms);
}

QString texte_date(double jours) {
    return depuis_jours(jours).date().toString(QStringLiteral("dd/MM/yyyy"));
}

QString texte_heure(double jours) {
    return depuis_jours(jours).time().toString(QStringLiteral("hh:mm"));
}

QString texte_date_heure(double jours) {
    return texte_date(jours) + QLatin1Char(' ') + texte_heure(jours);
}

QString annee_courante(const QDate& aujourdhui) {
    return aujourdhui.toString(QStringLiteral("yyyy"));
}

bool essayer_date(const QString& texte, double& jours) {
    QDate date;
    if (!lire_date_seule(texte.trimmed(), date)) {
        return false;
    }
    jours = vers_jours(date);
    return true;
}

bool essayer_heure(const QString& texte, double& jours) {
    QTime heure;
    if (!lire_heure_seule(texte.trimmed(), heure)) {
        return false;
    }
    jours = heure.msecsSinceStartOfDay() / millisecondes_par_jour;
    return true;
}

bool essayer_date_heure(const QString& texte, double& jours) {
    const QString propre = texte.trimmed();
    const qsizetype blanc = propre.indexOf(QLatin1Char(' '));
    QDate date;
    QTime heure(0, 0);
    if (blanc < 0) {
        if (!lire_date_seule(propre, date)) {
            return false;
        }
    } else if (!lire_date_seule(propre.left(blanc), date) ||
               !lire_heure_seule(propre.mid(blanc + 1).trimmed(), heure)) {
        return false;
    }
    jours = vers_jours(date, heure);
    return true;
}

double lire_date(const QString& texte) {
    double jours = 0;
    if (!essayer_date(texte, jours)) {
        throw Erreur(message("'%1' n'est pas une date correcte", texte));
    }
    return jours;
}

double lire_heure(const QString& texte) {
    double jours = 0;
    if (!essayer_heure(texte, jours)) {
        throw Erreur(message("'%1' n'est pas une heure correcte", texte));
    }
    return jours;
}

double lire_date_heure(const QString& texte) {
    double jours = 0;
    if (!essayer_date_heure(texte, jours)) {
        throw Erreur(message("'%1' ne correspond pas à une date et une heure correctes", texte));
    }
    return jours;
}

} // namespace vorek
