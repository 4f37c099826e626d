#pragma once

#include "entry/libelles.h"
#include "entry/saisie.h"

namespace vorek {

class TableJournal;

// The log grid's own operations, on the current row of the grid. The window forwards
// the events and shows the result.

// GrilleDblClick: takes the row back into the entry for correction. A row whose date or
// time does not read (the free row after the last QSO among them) is not taken: false,
// and nothing changes.
bool transferer_ligne(EntreeQSO& entree, int ligne);

// BitBtn_insererClick: an empty row at the current row, which the next commit fills; the
// log is saved with it.
void inserer_ligne(EntreeQSO& entree, int ligne);

struct ResultatEffacement {
    bool supprimee = false;
    // Where the grid's cursor goes afterwards (unchanged when nothing was asked).
    int ligne_courante = 0;
    int colonne_courante = -1;
    Libelles libelles;
};

// BitBtn_effacerClick: asks first; OK or Cancel, the score is recomputed and the log
// saved (also when the rescoring stops on a date). Nothing at all on the free row after
// the last QSO. A correction pending on another row stays pending.
ResultatEffacement effacer_ligne(EntreeQSO& entree, int ligne);

// GrilleExit: cells typed in place are scored again; nothing is saved.
Libelles quitter_grille(EntreeQSO& entree);

// A cell typed in the grid, then the log rescored and saved at once, so that a crash
// loses no edit. A call is trimmed and put in capitals as the call field does; a call
// holding a blank is refused, the cell keeping its text; a new call brings its member's
// number and name, as a commit does. Text typed into the free row makes it a row of the
// log, with a new free row below. Labels only when the cell changed.
Libelles saisir_cellule(EntreeQSO& entree, int colonne, int ligne, const QString& texte);

// The sort buttons as the window runs them, the log saved after each: by call, after its
// snapshot; by date, rescored first as a reload would.
void trier_par_indicatif_et_sauver(EntreeQSO& entree);
Libelles trier_par_date_et_sauver(EntreeQSO& entree);

// The confirmation names the QSO it deletes: call, date and time of the row.
QString question_effacement(const TableJournal& table, int ligne);

struct StyleCellule {
    bool fond_aqua = false;
    Rvb texte;
    bool gras = true;
};

// How the grid paints a cell over its ordinary drawing: aqua even data rows except the
// selected cell, red calls, green points, black header.
StyleCellule style_cellule(int colonne, int ligne, bool selectionnee);

} // namespace vorek
