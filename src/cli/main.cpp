#include "contexte_cli.h"

#include "app/dossiers.h"
#include "base/erreur.h"
#include "base/horloge.h"
#include "rules/periode.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <functional>
#include <map>

using namespace vorek;

namespace {

using Commande = std::function<int(ContexteCli&)>;

const std::map<QString, Commande>& commandes() {
    static const std::map<QString, Commande> table{
        {QStringLiteral("resume"), commande_resume},
        {QStringLiteral("score"), commande_score},
        {QStringLiteral("pays"), commande_pays},
        {QStringLiteral("membre"), commande_membre},
        {QStringLiteral("base"), commande_base},
        {QStringLiteral("convertir-pays"), commande_convertir_pays},
        {QStringLiteral("email-valide"), commande_email_valide},
        {QStringLiteral("rapport"), commande_rapport},
        {QStringLiteral("export-adif"), commande_export_adif},
        {QStringLiteral("export-ascii"), commande_export_ascii},
        {QStringLiteral("import-adif"), commande_import_adif},
        {QStringLiteral("apercu"), commande_apercu},
        {QStringLiteral("partiel"), commande_partiel},
        {QStringLiteral("radio"), commande_radio},
        {QStringLiteral("cw"), commande_cw},
        {QStringLiteral("message-cr"), commande_message_cr},
        {QStringLiteral("envoyer-cr"), commande_envoyer_cr},
        {QStringLiteral("stats"), commande_stats},
        {QStringLiteral("verifier"), commande_verifier},
        {QStringLiteral("graphique"), commande_graphique},
        {QStringLiteral("spots"), commande_spots},
        {QStringLiteral("corriger"), commande_corriger},
    };
    return table;
}

QString usage() {
    QString texte = QStringLiteral(
        "usage : vorek [--racine DOSSIER] [--aujourdhui JJ/MM/AAAA] COMMANDE [ARGUMENTS]\n"
        "commandes :");
    for (const auto& [nom, commande] : commandes()) {
        texte += QLatin1Char(' ') + nom;
    }
    return texte;
}

struct Options {
    QString racine;
    QDate aujourdhui;
    QString commande;
    QStringList arguments;
};

Options lire_options(const QStringList& args) {
    Options options;
    // The same program folder as the windows': beside the executable, or for an installed
    // program the user's data folder.
    options.racine =
        dossier_de_travail(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    options.aujourdhui = HorlogeSysteme().maintenant_local().date();
    int i = 1;
    for (; i < args.size() && args[i].startsWith(QStringLiteral("--")); i += 2) {
        if (i + 1 >= args.size()) {
            throw ErreurUsage{QStringLiteral("valeur manquante pour ") + args[i]};
        }
        if (args[i] == QStringLiteral("--racine")) {
            options.racine = args[i + 1];
        } else if (args[i] == QStringLiteral("--aujourdhui")) {
            options.aujourdhui = QDate::fromString(args[i + 1], QStringLiteral("dd/MM/yyyy"));
            if (!options.aujourdhui.isValid()) {
                throw ErreurUsage{QStringLiteral("date incorrecte : ") + args[i + 1]};
            }
        } else {
            throw ErreurUsage{QStringLiteral("option inconnue : ") + args[i]};
        }
    }
    if (i >= args.size()) {
        throw ErreurUsage{usage()};
    }
    options.commande = args[i];
    options.arguments = args.mid(i + 1);
    return options;
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
    try {
        const Options options = lire_options(application->arguments());
        const auto commande = commandes().find(options.commande);
        if (commande == commandes().end()) {
            throw ErreurUsage{QStringLiteral("commande inconnue : ") + options.commande +
                              QLatin1Char('\n') + usage()};
        }
        Etat etat;
        etat.fixer_rep_programme(QFileInfo(options.racine).absoluteFilePath());
        const PeriodeConcours periode = periode_concours(options.aujourdhui);
        etat.debut_concours = periode.debut_concours;
        etat.fin_concours = periode.fin_concours;
        etat.version_prog = texte_version_prog(version_programme());
        DialoguesCli dialogues(sortie);
        ContexteCli contexte{etat, options.aujourdhui, sortie, options.arguments, dialogues};
        const int code = commande->second(contexte);
        sortie.flush();
        return code;
    } catch (const ErreurUsage& e) {
        sortie.flush();
        ecrire_erreur(e.texte);
        return 2;
    } catch (const Erreur& e) {
        sortie.flush();
        ecrire_erreur(e.message());
        return 1;
    }
}
