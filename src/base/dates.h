#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace vorek {

// Date-time values are day counts from 30/12/1899, the time being the fraction of a day.
// Texts follow the program's formats: "dd/mm/yyyy" for dates and "hh:nn" for times.

double vers_jours(const QDate& date, const QTime& heure = QTime(0, 0));
double vers_jours(const QDateTime& moment);
QDateTime depuis_jours(double jours);

QString texte_date(double jours);
QString texte_heure(double jours);
QString texte_date_heure(double jours);

// The four digits of a day's year: the current year of the out-of-period remark, of the
// report headers and of the contest period.
QString annee_courante(const QDate& aujourdhui);

// Lenient readers: one- or two-digit day, month, hour and minute, optional seconds, a
// two-digit year read as 20yy, blanks around. They throw Erreur with the conversion text.
double lire_date(const QString& texte);
double lire_heure(const QString& texte);
double lire_date_heure(const QString& texte);

// The same readers without the exception, for callers that only test.
bool essayer_date(const QString& texte, double& jours);
bool essayer_heure(const QString& texte, double& jours);
bool essayer_date_heure(const QString& texte, double& jours);

} // namespace vorek
