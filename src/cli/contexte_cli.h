#pragma once

#include "analyse_cli.h"
#include "dialogues_cli.h"

#include "log/etat.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <QTextStream>

#include <memory>

namespace vorek {

// What every command of the command-line tool works with.
struct ContexteCli {
    Etat& etat;
    QDate aujourdhui;
    QTextStream& sortie;
    ArgumentsLus arguments; // the command's, checked against its declaration
    DialoguesCli& dialogues;
};

struct MessageCR;
struct Referentiel;
class RedacteurRapport;

// Loads the file the command names as the windows do, rescoring included, without an entry
// band; it becomes the current file. A rescoring that stopped on a date ends the command.
void charger_pour_cli(ContexteCli& contexte, const Referentiel& referentiel, const QString& chemin);

int commande_resume(ContexteCli& contexte);
int commande_score(ContexteCli& contexte);
int commande_pays(ContexteCli& contexte);
int commande_membre(ContexteCli& contexte);
int commande_base(ContexteCli& contexte);
int commande_convertir_pays(ContexteCli& contexte);
int commande_email_valide(ContexteCli& contexte);
int commande_rapport(ContexteCli& contexte);
int commande_export_adif(ContexteCli& contexte);
int commande_export_ascii(ContexteCli& contexte);
int commande_import_adif(ContexteCli& contexte);
int commande_apercu(ContexteCli& contexte);
int commande_partiel(ContexteCli& contexte);
int commande_radio(ContexteCli& contexte);
int commande_cw(ContexteCli& contexte);
int commande_message_cr(ContexteCli& contexte);
int commande_envoyer_cr(ContexteCli& contexte);
int commande_stats(ContexteCli& contexte);
int commande_verifier(ContexteCli& contexte);
int commande_graphique(ContexteCli& contexte);
int commande_spots(ContexteCli& contexte);
int commande_corriger(ContexteCli& contexte);
// Before a send: the findings of the report the message carries, as warnings on stderr (the
// window shows them and lets the operator send anyway; the tool sends).
void avertir_avant_envoi(ContexteCli& contexte, const MessageCR& message);
// A QApplication for the command that draws (offscreen unless a platform is given), else a
// QCoreApplication.
std::unique_ptr<QCoreApplication> creer_application(int& argc, char** argv);
// Tells on stderr that the member database was missing.
void avertir_base_membres_absente(ContexteCli& contexte, bool absente);
// An export command: loads the log, writes the export, prints its path.
int exporter_cli(ContexteCli& contexte, const RedacteurRapport& redacteur);

} // namespace vorek
