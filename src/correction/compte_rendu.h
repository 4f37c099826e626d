#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace vorek {

// One readable QSO line of a report. The texts are numbers of the run's Dictionnaire.
struct QsoCabrillo {
    // Date and time as minutes of the Julian day count: differences are plain subtractions.
    qint64 minute = 0;
    qint32 ligne = 0; // in the file, from 1
    qint32 debut = 0; // where the line starts in the file's bytes
    qint32 longueur = 0;
    qint32 indicatif = -1; // the call worked, upper case
    qint32 envoye = -1;    // the numbers without their "*"
    qint32 recu = -1;
    qint32 date = -1;  // "dd/mm/yyyy", as the log table holds it
    qint32 heure = -1; // "hh:mm"
    qint16 bande = -1; // index in table_bandes()
};

// A line of the file, for the station report.
struct LigneFichier {
    qint32 ligne = 0;
    qint32 debut = 0;
    qint32 longueur = 0;
};

// A report as read: its station, its QSO lines in file order, the lines that did not read.
struct CompteRendu {
    QString chemin;
    QString fichier; // the file name alone
    QDateTime modification;
    QString indicatif; // CALLSIGN, upper case, trimmed
    QString nom;
    // The file's bytes, kept so that a line can be quoted without reading it again.
    QByteArray octets;
    bool utf8 = false;
    std::vector<QsoCabrillo> qsos;
    std::vector<LigneFichier> illisibles;

    QString texte_ligne(qint32 debut, qint32 longueur) const;
};

} // namespace vorek
