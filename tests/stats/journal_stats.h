#pragma once

#include "dossier_essai.h"

#include <QStringList>

// A program folder for the statistics and the check: the test country list and members, a
// station with every field filled.
struct JournalStats : DossierEssai {
    JournalStats();

    // Rows "date;time;call;band[;member number]" after the rows already there.
    void remplir(const QStringList& descriptions);
    // Rescores as the windows do; a date that stops the rescoring leaves the rows below
    // as they were.
    void noter(const QString& bande_entree = QString());

    // Nine QSOs over four days, then one whose date does not read (last, where it stops
    // the rescoring): members, a non-member, a QSO before the period, the club station, the
    // band "1,2m" that the band list lacks.
    static QStringList journal_connu();
};
