#include "contexte_cli.h"
#include "textes_cli.h"

#include "adif_import/comptes_import.h"
#include "adif_import/import_adif.h"
#include "adif_import/textes_import.h"
#include "app/station.h"
#include "base/dates.h"
#include "base/erreur.h"
#include "base/horloge.h"
#include "refdata/referentiel.h"

#include <QFileInfo>

namespace vorek {

namespace {

// An option given with an empty value names nothing.
void verifier_valeurs(const ArgumentsLus& arguments) {
    if (arguments.positionnels[0].isEmpty()) {
        throw ErreurUsage{textes_cli::argument_manquant().arg(QStringLiteral("FICHIER.ADI"))};
    }
    for (const QString& nom : {QStringLiteral("--ajout"), QStringLiteral("--indicatif")}) {
        if (arguments.contient(nom) && arguments.valeur(nom).isEmpty()) {
            throw ErreurUsage{textes_cli::valeur_manquante().arg(nom)};
        }
    }
}

// The station the station window's call field would give.
void fixer_station(ContexteCli& contexte, const Referentiel& referentiel, const QString& texte) {
    const ResultatIndicatifStation r = indicatif_station(texte, referentiel);
    if (!r.recherche) {
        throw Erreur(textes_import::indicatif_trop_court().arg(texte));
    }
    Station& station = contexte.etat.station;
    station.station_call = r.station_call;
    station.station_nr_club = r.membre_numero;
    if (!r.membre_nom.isEmpty()) {
        station.nom_saisi = r.membre_nom;
    }
    station.station_DXCC = r.dxcc_prefixe;
    station.station_continent = r.dxcc_continent;
}

} // namespace

// The import of the choice window without it: replace mode from a new log, or append mode
// onto the log of FICHIER.VRK, which is then saved as the windows save the current log; the
// copy is written beside the ADIF file.
int commande_import_adif(ContexteCli& contexte) {
    const ArgumentsLus& options = contexte.arguments;
    verifier_valeurs(options);
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    // One command, one look at each reference file.
    const OperationReferentiel operation(referentiel);
    DemandeImport demande;
    demande.chemin_adif = QFileInfo(options.positionnels[0]).absoluteFilePath();
    demande.annee_courante = annee_courante(contexte.aujourdhui);
    demande.moment = HorlogeSysteme().maintenant_local();
    demande.ecraser_copie = options.contient(QStringLiteral("--ecraser"));
    if (options.contient(QStringLiteral("--ajout"))) {
        charger_pour_cli(contexte, referentiel, options.valeur(QStringLiteral("--ajout")));
        demande.mode = ModeImport::ajout;
    }
    if (options.contient(QStringLiteral("--indicatif"))) {
        fixer_station(contexte, referentiel, options.valeur(QStringLiteral("--indicatif")));
    }
    const ResultatImport resultat =
        importer_adif(contexte.etat, referentiel, demande, contexte.dialogues);
    const LectureAdif& lecture = resultat.lecture;
    if (lecture.base_membres_absente) {
        throw Erreur(textes_import::rien_importe_sans_base());
    }
    if (resultat.abandonne) {
        throw Erreur(resultat.fichier_protege + textes_import::refus_copie());
    }
    contexte.sortie << "fichier=" << resultat.chemin_vrk << '\n'
                    << texte_comptes_import(lecture, FormeComptes::cles) << '\n';
    if (lecture.nb_pris > 0 && contexte.etat.station.station_continent.isEmpty()) {
        contexte.dialogues.message(TypeMessage::avertissement, textes_import::station_provisoire());
    }
    // The counts stand; the files or their points do not.
    for (const QString& erreur : resultat.erreurs_sauvegarde + QStringList{resultat.erreur_score}) {
        if (!erreur.isEmpty()) {
            throw Erreur(erreur);
        }
    }
    if (lecture.nb_pris == 0) {
        throw Erreur(textes_import::rien_a_importer());
    }
    return 0;
}

} // namespace vorek
