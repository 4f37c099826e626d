#pragma once

#include "lecture_adif.h"

#include "base/dialogues.h"

#include <QString>

namespace vorek {

class Etat;
class TableJournal;
struct Referentiel;

enum class ModeImport { remplacement, ajout };

struct ResultatImport {
    LectureAdif lecture;
    // The challenge file written beside the ADIF file; empty when nothing was imported.
    QString chemin_vrk;
    // The rescoring stopped on a date that does not read (a row of the log before the
    // import): the message of the error box.
    QString erreur_score;
    // The challenge file beside the ADIF file could not be written; the log table holds
    // the import all the same.
    QString erreur_sauvegarde;
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
void fusionner_import(Etat& etat, const QList<QStringList>& qso, ModeImport mode);

// The main window's title after an import.
QString titre_import(const Etat& etat);

// The whole import of one ADIF file. A missing file ("  Fichier inexistant   ") or one that
// cannot be read throws Erreur, and so does nothing. Without the member database nothing
// changes either (lecture.base_membres_absente). Otherwise (then etat.annonces tells
// journal_importe once all is done): the merge, the rescoring
// (bande_selectionnee and annee_courante as calculer_score takes them), fichier_modifie
// cleared, the header texts written again and the log saved beside the ADIF file;
// fichier_courant stays the current file.
ResultatImport importer_adif(Etat& etat, const Referentiel& referentiel, const QString& chemin_adif,
                             ModeImport mode, const QString& bande_selectionnee,
                             const QString& annee_courante);

// What the operator is told once the import has run: the missing member database, the
// rescoring or save failure, the CW records left out for want of a call, date or time.
void signaler_import(const ResultatImport& resultat, Dialogues& dialogues);

} // namespace vorek
