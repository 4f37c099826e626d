#pragma once

#include "rapport_texte.h"

#include "base/dialogues.h"

#include <QString>
#include <QStringList>

namespace vorek {

class RedacteurRapport;

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

// BitBtn_export_ADIF, ExportADIF1 and ExportTXT1: writes an export, after asking for its
// name when the operator names it (a cancelled dialog does nothing), then tells the full
// path of the file written (the ADIF export goes to the work folder whatever folder the
// dialog showed). True when a file was written.
bool commande_exporter(const RedacteurRapport& redacteur, ContexteRapport& contexte,
                       Dialogues& dialogues);

} // namespace vorek
