#pragma once

#include "rapport_texte.h"

#include "base/dialogues.h"

#include <QString>
#include <QStringList>

namespace vorek {

class Etat;
struct Referentiel;

// What the report command did. erreur is the general error box's text of the writer that
// failed, which ended the command; empty when all three files were written.
struct CompteRendu {
    QStringList chemins;
    QString erreur;
    bool base_membres_absente = false;
};

// The report command without the window: the Cabrillo report, the text report and the
// ADIF report file, in that order, stopping at the first failure.
CompteRendu executer_ecrire_log(ContexteRapport& contexte);

QString message_ecrire_log();

// EcrireLog: the command, then the confirmation, or the error box. True when all went
// through.
bool ecrire_log(ContexteRapport& contexte, Dialogues& dialogues);
// The messages that close the command: the missing member database once, then the error
// box or the confirmation with the full path of each file written.
bool signaler_compte_rendu(const CompteRendu& compte_rendu, Dialogues& dialogues);

// SaveDialog_ADIF.
DemandeFichier demande_export_adif();

// BitBtn_export_ADIF and ExportADIF1: asks for the name and writes the export. A cancelled
// dialog does nothing; a written file is announced with its full path (it goes to the work
// folder whatever folder the dialog showed). True when a file was written.
bool commande_export_adif(const Etat& etat, const Referentiel& referentiel, Dialogues& dialogues);

// ExportTXT1: writes the listing, then tells its name and full path. True when it was
// written.
bool commande_export_ascii(const Etat& etat, Dialogues& dialogues);

} // namespace vorek
