#include "commandes_cli.h"

#include "contexte_cli.h"
#include "textes_cli.h"

#include "base/journal_diagnostic.h"
#include "rig/sortes_manipulateur.h"

namespace vorek {

namespace {

QString t(const char* texte) {
    return QString::fromUtf8(texte);
}

ArgumentCli journal() {
    return {QStringLiteral("FICHIER.VRK"), t("le journal (fichier challenge)")};
}

ArgumentCli indicatif() {
    return {QStringLiteral("INDICATIF"), t("l'indicatif")};
}

OptionCli option(const char* nom, const char* valeur, const char* aide) {
    return {QString::fromLatin1(nom), QString::fromLatin1(valeur), t(aide)};
}

QList<OptionCli> options_message() {
    return {option("--de", "ADRESSE", "l'expéditeur (par défaut l'adresse des paramètres)"),
            option("--destinataire", "ADRESSE", "le destinataire (par défaut le comité)"),
            option("--moment", "AAAA-MM-JJTHH:MM:SS+HH:MM",
                   "la date du message (par défaut "
                   "maintenant)")};
}

// The keyers a command may name instead of the one of the settings: one option a kind.
DeclarationCommande avec_manipulateurs(DeclarationCommande commande, qsizetype place) {
    GroupeOptions groupe;
    for (const SorteManipulateur* sorte : sortes_manipulateur()) {
        if (sorte->creer == nullptr) {
            continue;
        }
        OptionCli o{QStringLiteral("--") + sorte->nom, QString(),
                    t("envoie par le manipulateur %1").arg(sorte->nom_etat)};
        if (sorte->capacites.adresse) {
            o.valeur = QStringLiteral("HOTE:PORT");
            o.aide += t(" à cette adresse");
        }
        commande.options.insert(place++, o);
        groupe.noms.append(o.nom);
    }
    commande.groupes.append(groupe);
    return commande;
}

QList<DeclarationCommande> declarer_rapports() {
    return {
        {QStringLiteral("rapport"),
         t("écrit le compte rendu Cabrillo (.LOG), le rapport texte (.TXT) et le rapport ADIF "
           "(.ADI)"),
         {journal()},
         {},
         {},
         {},
         commande_rapport},
        {QStringLiteral("export-adif"),
         t("écrit l'export ADIF dans le dossier de travail"),
         {journal(), {QStringLiteral("NOM"), t("le nom du fichier écrit")}},
         {},
         {},
         {},
         commande_export_adif},
        {QStringLiteral("export-ascii"),
         t("écrit la liste ASCII (.ASC) à côté du journal"),
         {journal()},
         {},
         {},
         {},
         commande_export_ascii},
        {QStringLiteral("import-adif"),
         t("prend les QSO CW avec des membres d'un fichier ADIF dans un journal écrit à côté"),
         {{QStringLiteral("FICHIER.ADI"), t("le fichier ADIF")}},
         {option("--ajout", "FICHIER.VRK", "ajoute aux QSO de ce journal, enregistré avec eux"),
          option("--indicatif", "INDICATIF", "la station (l'emporte sur celle du journal)"),
          option("--ecraser", "", "remplace le journal de même nom à côté du fichier ADIF")},
         {},
         {},
         commande_import_adif},
        {QStringLiteral("stats"),
         t("QSO et points par jour et par bande, membres contactés, QSO des deux dernières heures"),
         {journal()},
         {option("--csv", "", "au format CSV")},
         {},
         {},
         commande_stats},
        {QStringLiteral("verifier"),
         t("écrit le compte rendu Cabrillo, le relit et le vérifie"),
         {journal()},
         {},
         {},
         {},
         commande_verifier},
        {QStringLiteral("graphique"),
         t("dessine les graphiques du journal dans une image PNG"),
         {journal(), {QStringLiteral("SORTIE.png"), t("l'image écrite")}},
         {option("--jour", "JJ/MM/AAAA", "les QSO de chaque heure de ce jour (UTC)")},
         {},
         {},
         commande_graphique},
        {QStringLiteral("corriger"),
         t("contrôle croisé des comptes rendus d'un dossier : points revendiqués et vérifiés"),
         {{QStringLiteral("DOSSIER"), t("le dossier des comptes rendus Cabrillo")}},
         {option("--sortie", "DOSSIER", "où écrire les résultats (par défaut DOSSIER/correction)"),
          option("--tolerance", "MINUTES", "l'écart d'heure admis entre deux QSO (5 par défaut)"),
          option("--annee", "AAAA", "l'année du concours (par défaut celle des QSO)")},
         {},
         {},
         commande_corriger},
    };
}

QList<DeclarationCommande> declarer_saisie() {
    return {
        {QStringLiteral("resume"),
         t("colonnes, lignes, prochaine ligne libre, nombre de QSO et indicatif d'un journal"),
         {journal()},
         {},
         {},
         {},
         commande_resume},
        {QStringLiteral("pays"),
         t("préfixe DXCC et continent d'un indicatif"),
         {indicatif()},
         {},
         {},
         {},
         commande_pays},
        {QStringLiteral("membre"),
         t("numéro et nom du membre (NM pour un non-membre)"),
         {indicatif()},
         {},
         {},
         {},
         commande_membre},
        {QStringLiteral("base"),
         t("indicatif de base, et celui qui compte pour la station du club"),
         {indicatif()},
         {},
         {},
         {},
         commande_base},
        {QStringLiteral("convertir-pays"),
         t("convertit cfg/cty_wt.dat en cfg/DXCC.CSV et liste les entités"),
         {},
         {},
         {},
         {},
         commande_convertir_pays},
        {QStringLiteral("score"),
         t("recalcule les points de chaque QSO, puis le total"),
         {journal()},
         {option("--ecrire", "", "enregistre le journal recalculé")},
         {},
         {},
         commande_score},
        {QStringLiteral("apercu"),
         t("les points du QSO s'il était validé maintenant"),
         {journal(), indicatif()},
         {option("--bande", "BANDE", "la bande (par défaut celle du dernier QSO)"),
          option("--date", "JJ/MM/AAAA", "la date du QSO (avec --heure)"),
          option("--heure", "HH:MM", "l'heure UTC du QSO (avec --date)"),
          option("--numero", "NUMERO", "le numéro de membre (par défaut celui de la base)")},
         {{{QStringLiteral("--date"), QStringLiteral("--heure")}, false}},
         {},
         commande_apercu},
        {QStringLiteral("partiel"),
         t("les indicatifs de la base des membres qui contiennent le fragment"),
         {{QStringLiteral("FRAGMENT"), t("le début ou un morceau de l'indicatif")},
          {journal().nom, t("le journal qui marque les membres déjà contactés"), true}},
         {option("--bande", "BANDE", "la bande (par défaut celle du dernier QSO)"),
          option("--date", "JJ/MM/AAAA", "la date (par défaut aujourd'hui)")},
         {},
         {},
         commande_partiel},
        {QStringLiteral("email-valide"),
         t("oui si l'adresse est acceptée, non sinon"),
         {{QStringLiteral("ADRESSE"), t("l'adresse électronique")}},
         {},
         {},
         {},
         commande_email_valide},
    };
}

QList<DeclarationCommande> declarer_liaisons() {
    return {
        {QStringLiteral("radio"),
         t("lit la fréquence, le mode et la bande de la radio (réglages des paramètres, ou des "
           "options)"),
         {},
         {option("--modele", "N", "le numéro Hamlib du modèle"),
          option("--port", "PERIPHERIQUE|HOTE:PORT", "où la radio est branchée"),
          option("--vitesse", "BAUDS", "la vitesse de la liaison série")},
         {},
         {},
         commande_radio},
        avec_manipulateurs(
            {QStringLiteral("cw"),
             t("envoie un message CW par le manipulateur"),
             {{QStringLiteral("TEXTE|F1..F8"), t("le message, ou celui d'une touche F")}},
             {option("--indicatif", "INDICATIF", "l'indicatif de {IND}"),
              option("--rst", "RST", "le report de {RST} (599 par défaut)"),
              option("--fichier", "FICHIER.VRK", "le journal dont la station donne {MOI} et {NUM}"),
              option("--wpm", "N", "la vitesse en mots par minute")},
             {},
             {},
             commande_cw},
            3),
        {QStringLiteral("spots"),
         t("les spots d'un cluster pendant un temps, avec les points qu'ils rapporteraient"),
         {{QStringLiteral("HOTE:PORT"), t("le cluster ou le skimmer")}},
         {{QStringLiteral("--indicatif"), QStringLiteral("INDICATIF"),
           t("l'indicatif de connexion"), true},
          option("--journal", "FICHIER.VRK", "le journal qui compte les points"),
          option("--duree", "S", "la durée d'écoute en secondes (60 par défaut)"),
          option("--cw", "", "sans les spots d'un autre mode"),
          option("--membres", "", "sans les spots de non-membres")},
         {},
         {},
         commande_spots},
        {QStringLiteral("message-cr"),
         t("le message du compte rendu tel qu'il serait envoyé, sans l'envoyer"),
         {journal()},
         options_message(),
         {},
         {},
         commande_message_cr},
        {QStringLiteral("envoyer-cr"),
         t("envoie le compte rendu Cabrillo au comité"),
         {journal()},
         QList<OptionCli>{
             {QStringLiteral("--smtp"), QStringLiteral("HOTE"), t("le serveur d'envoi"), true},
             {QStringLiteral("--port"), QStringLiteral("PORT"), t("son port"), true},
             option("--securite", "auto|starttls|tls|aucune", "la sécurité"),
             option("--utilisateur", "NOM", "le nom d'utilisateur"),
             option("--ac", "FICHIER", "l'autorité du certificat du serveur")} +
             options_message(),
         {},
         t("avec --utilisateur, le mot de passe est lu sur l'entrée standard"),
         commande_envoyer_cr},
    };
}

int commande_aide(ContexteCli& contexte) {
    const QStringList& noms = contexte.arguments.positionnels;
    const DeclarationCommande* commande = noms.isEmpty() ? nullptr : trouver_commande(noms[0]);
    if (!noms.isEmpty() && commande == nullptr) {
        throw ErreurUsage{textes_cli::commande_inconnue().arg(noms[0])};
    }
    contexte.sortie << (commande != nullptr ? aide_commande(*commande) : aide_generale());
    return 0;
}

} // namespace

const QList<DeclarationCommande>& commandes_cli() {
    static const QList<DeclarationCommande> commandes =
        declarer_saisie() + declarer_rapports() + declarer_liaisons() +
        QList<DeclarationCommande>{{QStringLiteral("aide"),
                                    t("cette aide, ou celle d'une commande"),
                                    {{QStringLiteral("COMMANDE"), t("la commande"), true}},
                                    {},
                                    {},
                                    {},
                                    commande_aide}};
    return commandes;
}

const DeclarationCommande* trouver_commande(const QString& nom) {
    for (const DeclarationCommande& commande : commandes_cli()) {
        if (commande.nom == nom) {
            return &commande;
        }
    }
    return nullptr;
}

const QList<OptionCli>& options_generales() {
    static const QList<OptionCli> options{
        option("--racine", "DOSSIER",
               "le dossier du programme (cfg, Fichiers_BD, Fichiers_challenge)"),
        option("--aujourdhui", "JJ/MM/AAAA", "la date du jour"),
        option("--debug", "", "le journal de diagnostic aussi sur la sortie d'erreur"),
        option("--aide", "", "cette aide"),
    };
    return options;
}

QString usage_general() {
    QString texte = textes_cli::usage();
    for (const OptionCli& o : options_generales()) {
        if (o.nom != QStringLiteral("--aide")) {
            texte += QStringLiteral(" [") + o.nom +
                     (o.valeur.isEmpty() ? QString() : QLatin1Char(' ') + o.valeur) +
                     QLatin1Char(']');
        }
    }
    texte += QStringLiteral(" COMMANDE [ARGUMENTS]\n") + textes_cli::commandes();
    for (const DeclarationCommande& commande : commandes_cli()) {
        texte += QLatin1Char(' ') + commande.nom;
    }
    return texte;
}

QString aide_generale() {
    QList<std::pair<QString, QString>> options;
    for (const OptionCli& o : options_generales()) {
        options.append({o.valeur.isEmpty() ? o.nom : o.nom + QLatin1Char(' ') + o.valeur, o.aide});
    }
    QList<std::pair<QString, QString>> commandes;
    for (const DeclarationCommande& commande : commandes_cli()) {
        commandes.append({commande.nom, commande.resume});
    }
    return usage_general().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') +
           textes_cli::options() + QLatin1Char('\n') + colonnes_aide(options) +
           textes_cli::commandes() + QLatin1Char('\n') + colonnes_aide(commandes) +
           textes_cli::aide_commande() + QLatin1Char('\n') +
           textes_cli::fichier_journal().arg(chemin_journal_diagnostic()) + QLatin1Char('\n');
}

} // namespace vorek
