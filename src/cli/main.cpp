#include "commandes_cli.h"
#include "contexte_cli.h"
#include "textes_cli.h"

#include "app/dossiers.h"
#include "base/erreur.h"
#include "base/horloge.h"
#include "base/journal_diagnostic.h"
#include "rules/periode.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>

using namespace vorek;

namespace {

struct LigneCommande {
    QString racine;
    QDate aujourdhui;
    bool aide = false;
    bool debug = false;
    const DeclarationCommande* commande = nullptr;
    QStringList arguments; // after the command's name
};

LigneCommande lire_ligne(const QStringList& args) {
    LigneCommande ligne;
    qsizetype suite = 0;
    const ArgumentsLus generales = analyser_options(options_generales(), args.mid(1), suite);
    // The same program folder as the windows': beside the executable, or for an installed
    // program the user's data folder.
    ligne.racine = generales.valeur(
        QStringLiteral("--racine"),
        dossier_de_travail(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    ligne.aujourdhui = HorlogeSysteme().maintenant_local().date();
    if (const auto date = generales.option(QStringLiteral("--aujourdhui"))) {
        ligne.aujourdhui = QDate::fromString(*date, QStringLiteral("dd/MM/yyyy"));
        if (!ligne.aujourdhui.isValid()) {
            throw ErreurUsage{textes_cli::date_incorrecte().arg(*date)};
        }
    }
    const bool aide = generales.contient(QStringLiteral("--aide"));
    ligne.debug = generales.contient(QStringLiteral("--debug"));
    // "vorek --aide" alone is "vorek aide".
    const QString nom = args.value(suite + 1, aide ? QStringLiteral("aide") : QString());
    if (nom.isEmpty()) {
        throw ErreurUsage{usage_general()};
    }
    ligne.aide = aide && suite + 1 < args.size();
    ligne.commande = trouver_commande(nom);
    if (ligne.commande == nullptr) {
        throw ErreurUsage{textes_cli::commande_inconnue().arg(nom) + QLatin1Char('\n') +
                          usage_general()};
    }
    ligne.arguments = args.mid(suite + 2);
    ligne.aide = ligne.aide || ligne.arguments.contains(QStringLiteral("--aide"));
    return ligne;
}

int executer(const LigneCommande& ligne, const ArgumentsLus& arguments, QTextStream& sortie) {
    Etat etat;
    etat.fixer_rep_programme(QFileInfo(ligne.racine).absoluteFilePath());
    const PeriodeConcours periode = periode_concours(ligne.aujourdhui);
    etat.debut_concours = periode.debut_concours;
    etat.fin_concours = periode.fin_concours;
    etat.version_prog = texte_version_prog(version_programme());
    DialoguesCli dialogues(sortie);
    ContexteCli contexte{etat, ligne.aujourdhui, sortie, arguments, dialogues};
    return ligne.commande->executer(contexte);
}

void ecrire_erreur(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    // A file size limit (ulimit -f) would kill the tool in the middle of a save without a
    // word; ignored, the write fails with EFBIG and the save says "Disque plein", the log
    // left as it was.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::unique_ptr<QCoreApplication> application = creer_application(argc, argv);
    // The windows' name, so that both find the same user data folder.
    application->setApplicationName(QStringLiteral("Challenge_VOREK"));
    QTextStream sortie(stdout);
    sortie.setEncoding(QStringConverter::Utf8);
    const DeclarationCommande* commande = nullptr;
    try {
        const LigneCommande ligne = lire_ligne(application->arguments());
        commande = ligne.commande;
        const JournalDiagnostic journal(chemin_journal_diagnostic(), ligne.debug);
        if (ligne.aide) {
            sortie << aide_commande(*commande);
            return 0;
        }
        const int code = executer(ligne, analyser_arguments(*commande, ligne.arguments), sortie);
        sortie.flush();
        return code;
    } catch (const ErreurUsage& e) {
        sortie.flush();
        ecrire_erreur(commande == nullptr
                          ? e.texte
                          : e.texte + QLatin1Char('\n') + usage_commande(*commande));
        return 2;
    } catch (const Erreur& e) {
        sortie.flush();
        ecrire_erreur(e.message());
        return 1;
    }
}
