#include "contexte_cli.h"

#include "adif_import/import_adif.h"
#include "adif_import/textes_import.h"
#include "base/dates.h"
#include "base/erreur.h"
#include "refdata/referentiel.h"

#include <QFileInfo>

namespace vorek {

namespace {

struct ArgumentsImport {
    QString adif;
    QString journal; // --ajout
};

ArgumentsImport lire_arguments(const QStringList& arguments) {
    ArgumentsImport lus;
    if (arguments.size() == 1 ||
        (arguments.size() == 3 && arguments[1] == QStringLiteral("--ajout"))) {
        lus.adif = arguments[0];
        lus.journal = arguments.value(2);
    }
    if (lus.adif.isEmpty() || lus.adif.startsWith(QStringLiteral("--")) ||
        (arguments.size() == 3 && lus.journal.isEmpty())) {
        throw ErreurUsage{
            QStringLiteral("usage : vorek import-adif FICHIER.ADI [--ajout FICHIER.VRK]")};
    }
    return lus;
}

void ecrire_compte(ContexteCli& contexte, const char* cle, qsizetype n) {
    contexte.sortie << cle << '=' << n << '\n';
}

} // namespace

// The import of the choice window without it: replace mode from a new log, or append mode
// onto the log of FICHIER.VRK; the result is written beside the ADIF file.
int commande_import_adif(ContexteCli& contexte) {
    const ArgumentsImport arguments = lire_arguments(contexte.arguments);
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    // One command, one look at each reference file.
    const OperationReferentiel operation(referentiel);
    ModeImport mode = ModeImport::remplacement;
    if (!arguments.journal.isEmpty()) {
        charger_pour_cli(contexte, referentiel, arguments.journal);
        mode = ModeImport::ajout;
    }
    const ResultatImport resultat =
        importer_adif(contexte.etat, referentiel, QFileInfo(arguments.adif).absoluteFilePath(),
                      mode, QString(), annee_courante(contexte.aujourdhui));
    const LectureAdif& lecture = resultat.lecture;
    if (lecture.base_membres_absente) {
        throw Erreur(textes_import::rien_importe_sans_base());
    }
    contexte.sortie << "fichier=" << resultat.chemin_vrk << '\n';
    ecrire_compte(contexte, "qso_importes", lecture.qso.size());
    ecrire_compte(contexte, "enregistrements_ecartes", lecture.ecartes.size());
    ecrire_compte(contexte, "non_cw", lecture.nb_ecartes(RaisonEcart::mode_non_cw));
    ecrire_compte(contexte, "non_membres", lecture.nb_ecartes(RaisonEcart::non_membre));
    ecrire_compte(contexte, "sans_indicatif", lecture.nb_ecartes(RaisonEcart::sans_indicatif));
    ecrire_compte(contexte, "date_heure_illisible",
                  lecture.nb_ecartes(RaisonEcart::date_heure_illisible));
    ecrire_compte(contexte, "inacheves", lecture.nb_ecartes(RaisonEcart::inacheve));
    // The counts stand; the file or its points do not.
    for (const QString& erreur : {resultat.erreur_sauvegarde, resultat.erreur_score}) {
        if (!erreur.isEmpty()) {
            throw Erreur(erreur);
        }
    }
    return 0;
}

} // namespace vorek
