#include "contexte_cli.h"
#include "textes_cli.h"

#include "base/erreur.h"
#include "correction/correction.h"
#include "correction/textes_correction.h"
#include "refdata/referentiel.h"

namespace vorek {

namespace {

// A whole number within bornes, or a usage error.
int entier(const ArgumentsLus& options, const QString& nom, int defaut, int min, int max) {
    if (!options.contient(nom)) {
        return defaut;
    }
    bool ok = false;
    const int valeur = options.valeur(nom).toInt(&ok);
    if (!ok || valeur < min || valeur > max) {
        throw ErreurUsage{textes_cli::valeur_incorrecte().arg(nom, options.valeur(nom))};
    }
    return valeur;
}

} // namespace

// The committee's cross-check of a folder of reports, as the main window's menu runs it.
int commande_corriger(ContexteCli& contexte) {
    const ArgumentsLus& options = contexte.arguments;
    OptionsCorrection correction;
    correction.dossier = options.positionnels[0];
    correction.sortie = options.valeur(QStringLiteral("--sortie"));
    correction.tolerance_minutes = entier(options, QStringLiteral("--tolerance"), 5, 0, 24 * 60);
    correction.annee = entier(options, QStringLiteral("--annee"), 0, 1900, 9999);
    correction.aujourdhui = contexte.aujourdhui;
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    const BilanCorrection bilan = corriger_comptes_rendus(correction, referentiel);
    const QChar tab = QLatin1Char('\t');
    for (const StationCorrigee& s : bilan.stations) {
        contexte.sortie << s.indicatif << tab << s.points_revendiques << tab << s.points_verifies
                        << '\n';
    }
    for (const FichierEcarte& e : bilan.ecartes) {
        contexte.sortie << textes_correction::refus_cli(e.fichier, e.raison) << '\n';
    }
    avertir_base_membres_absente(contexte, bilan.base_membres_absente);
    if (bilan.stations.empty()) {
        throw Erreur(textes_correction::aucun_compte_rendu());
    }
    return 0;
}

} // namespace vorek
