#pragma once

#include "lecture_adif.h"

#include "base/dialogues.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vorek {

class Etat;
class TableJournal;
struct Referentiel;

enum class ModeImport { remplacement, ajout };

struct DemandeImport {
    QString chemin_adif;
    ModeImport mode = ModeImport::remplacement;
    // As calculer_score takes them.
    QString bande_selectionnee;
    QString annee_courante;
    // Local time: names the dated copy of a replaced log.
    QDateTime moment;
    // A file other than the current log where the copy goes is replaced without a question
    // (the tool's --ecraser).
    bool ecraser_copie = false;
};

struct ResultatImport {
    // Its rows are handed to the log by the import; nb_pris still counts them.
    LectureAdif lecture;
    // The operator declined a question: nothing changed, nothing was written.
    bool abandonne = false;
    // The file the copy would have replaced, when that is what the import stopped on.
    QString fichier_protege;
    // The challenge file written beside the ADIF file; empty when none was.
    QString chemin_vrk;
    // The log as it stood before a replacement, and its QSO count.
    QString copie_datee;
    int qso_remplaces = 0;
    // The rescoring stopped on a date that does not read (a row of the log before the
    // import): the message of the error box.
    QString erreur_score;
    // Saves that failed, each naming its file; the log table holds the import all the same.
    QStringList erreurs_sauvegarde;
};

// OpenDialog2: opens in the work folder.
DemandeFichier demande_import_adif(const Etat& etat);

// The ADIF file's full name with its extension replaced by ".VRK".
QString chemin_vrk_import(const QString& chemin_adif);

// Rows 1 .. row count - 2 in ascending date and time; equal moments keep their order and
// rows whose date does not read go after the others.
void trier_par_date_heure(TableJournal& table);

// The rows taken in place of the QSOs of the log (remplacement) or after them (ajout),
// then the free row; all in date and time order, ligne_suivante on the free row.
void fusionner_import(Etat& etat, CellulesJournal qso, ModeImport mode);

// The main window's title after an import.
QString titre_import(const Etat& etat);

// The whole import of one ADIF file. A missing file ("  Fichier inexistant   ") or one that
// cannot be read throws Erreur, and so does nothing. Nothing changes and nothing is written
// either without the member database (lecture.base_membres_absente), when no QSO is taken,
// or when the operator declines: replacing the QSOs of the log (asked first), or the file the
// copy beside the ADIF file would replace when it is not the current log (No: no copy;
// Cancel: no import). Otherwise (then etat.annonces tells journal_importe once all is done):
// a replaced log is first kept in its dated copy (Erreur when that fails, nothing replaced),
// then the merge, the rescoring, fichier_modifie cleared, the header texts written again, the
// current log saved and the copy written beside the ADIF file; fichier_courant stays.
ResultatImport importer_adif(Etat& etat, const Referentiel& referentiel,
                             const DemandeImport& demande, Dialogues& dialogues);

// What the operator is told once the import has run: the missing member database, the
// rescoring or save failures, then every count, and where replaced QSOs were kept.
void signaler_import(const ResultatImport& resultat, Dialogues& dialogues);

} // namespace vorek
