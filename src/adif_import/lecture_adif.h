#pragma once

#include "log/cellules_journal.h"
#include "log/table_journal.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vorek {

class BaseMembres;

// Why a record of an ADIF file was not taken into the log.
enum class RaisonEcart {
    mode_non_cw,          // the mode in force at its end is not CW
    non_membre,           // the member database does not know the call
    sans_indicatif,       // a CW record without a call
    date_heure_illisible, // a CW record whose QSO_DATE or TIME_ON is missing or not a date
    inacheve,             // fields after the file's last end-of-record tag
};

struct EnregistrementEcarte {
    int ligne = 0; // line of the file, from 1, where the record ended
    RaisonEcart raison = RaisonEcart::mode_non_cw;
    QString indicatif;
};

struct LectureAdif {
    // The rows taken, in the order of the file: log-table cells from column 0 (date,
    // time, call, band, reports, member number; the name of the record, or else the
    // member database's).
    CellulesJournal qso{nb_colonnes_journal};
    // How many rows were taken: it stands once the import has handed the rows to the log.
    qsizetype nb_pris = 0;
    QList<EnregistrementEcarte> ecartes;
    // The member database is missing: no record could be judged, none is taken.
    bool base_membres_absente = false;

    int nb_ecartes(RaisonEcart raison) const;
    // Records that look like CW QSOs but lack what a log row needs: the operator is told.
    int nb_incomplets() const;
};

// Reads the lines of an ADIF file: tags in any case, with or without length and type,
// one or many per line; a record ends at its end-of-record tag, and the rest of that
// line is not read. Only CW records of club members are taken; the mode stays in force
// from one record to the next until another MODE field replaces it.
LectureAdif lire_adif(const QStringList& lignes, const BaseMembres& membres);

// The same from a file, read as the program's text files are (Windows ANSI). Throws
// Erreur with the runtime's text.
LectureAdif lire_fichier_adif(const QString& chemin, const BaseMembres& membres);

} // namespace vorek
