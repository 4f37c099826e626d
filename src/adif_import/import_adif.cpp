#include "import_adif.h"

#include "comptes_import.h"
#include "copies_import.h"
#include "textes_import.h"

#include "base/dates.h"
#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "refdata/referentiel.h"
#include "reports/noms_rapports.h"
#include "rules/score.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <numeric>
#include <vector>

namespace vorek {

namespace {

bool ligne_vide(const QStringList& cellules) {
    return std::all_of(cellules.cbegin(), cellules.cend(),
                       [](const QString& cellule) { return cellule.isEmpty(); });
}

void ecrire_entetes(TableJournal& table) {
    const QStringList entetes = entetes_journal();
    for (int col = 0; col < entetes.size(); ++col) {
        table.fixer_cellule(col, 0, entetes[col]);
    }
}

// The operator's say before anything changes. False: the import does not run.
bool confirmer(const Etat& etat, const DemandeImport& demande, Dialogues& dialogues,
               ResultatImport& resultat, QString& chemin_copie) {
    const int dans_journal = compter_QSO(etat.table);
    if (demande.mode == ModeImport::remplacement && dans_journal > 0 &&
        dialogues.question(
            textes_import::question_remplacement().arg(dans_journal).arg(resultat.lecture.nb_pris),
            false) != Reponse::oui) {
        return false;
    }
    chemin_copie = chemin_vrk_import(demande.chemin_adif);
    const QString existant = fichier_a_proteger(etat, chemin_copie);
    if (existant.isEmpty() || demande.ecraser_copie) {
        return true;
    }
    switch (dialogues.question(existant + textes_import::question_copie(), true)) {
    case Reponse::oui:
        return true;
    case Reponse::non:
        chemin_copie.clear();
        return true;
    case Reponse::annuler:
        break;
    }
    resultat.fichier_protege = existant;
    return false;
}

void sauver(Etat& etat, const QString& chemin, ResultatImport& resultat) {
    try {
        sauver_fichier(etat, chemin);
    } catch (const Erreur& e) {
        resultat.erreurs_sauvegarde.append(textes_import::enregistrement_impossible().arg(
            QDir::toNativeSeparators(chemin_dans_challenge(etat, chemin)), e.message()));
    }
}

// The current log first, so that a crash right after the import loses nothing; then the
// copy beside the ADIF file, unless it is the current log itself.
void enregistrer(Etat& etat, const QString& chemin_copie, ResultatImport& resultat) {
    const QString courant = etat.fichier_courant.isEmpty()
                                ? QString()
                                : chemin_dans_challenge(etat, etat.fichier_courant);
    if (!courant.isEmpty()) {
        sauver(etat, courant, resultat);
    }
    if (chemin_copie.isEmpty()) {
        return;
    }
    const qsizetype erreurs = resultat.erreurs_sauvegarde.size();
    if (courant.isEmpty() || !meme_fichier(courant, chemin_copie)) {
        sauver(etat, chemin_copie, resultat);
    }
    if (resultat.erreurs_sauvegarde.size() == erreurs) {
        resultat.chemin_vrk = chemin_copie;
    }
}

} // namespace

DemandeFichier demande_import_adif(const Etat& etat) {
    return {QString(), textes_import::filtre(), QString(), etat.rep_challenge,
            textes_import::nom_initial()};
}

QString chemin_vrk_import(const QString& chemin_adif) {
    return avec_extension(chemin_adif, QStringLiteral(".VRK"));
}

void trier_par_date_heure(TableJournal& table) {
    const int fin = table.nb_lignes() - 2;
    if (fin < 2) {
        return;
    }
    struct Cle {
        bool illisible;
        double moment;
    };
    std::vector<Cle> cles(size_t(fin) + 1);
    for (int r = 1; r <= fin; ++r) {
        double jour = 0;
        double heure = 0;
        const bool lisible = essayer_date(table.cellule(col_date, r), jour);
        essayer_heure(table.cellule(col_heure, r), heure);
        cles[size_t(r)] = {!lisible, jour + heure};
    }
    std::vector<int> ordre(static_cast<size_t>(fin));
    std::iota(ordre.begin(), ordre.end(), 1);
    std::stable_sort(ordre.begin(), ordre.end(), [&cles](int a, int b) {
        const Cle& x = cles[size_t(a)];
        const Cle& y = cles[size_t(b)];
        return x.illisible != y.illisible ? y.illisible : x.moment < y.moment;
    });
    ordre.push_back(fin + 1);
    table.recomposer_lignes(ordre);
}

void fusionner_import(Etat& etat, CellulesJournal qso, ModeImport mode) {
    TableJournal& table = etat.table;
    std::vector<int> gardees;
    if (mode == ModeImport::ajout) {
        for (int r = 1; r < table.nb_lignes(); ++r) {
            gardees.push_back(r);
        }
        // The free row after the last QSO takes the first imported one; a last row that
        // holds anything stays as it is.
        if (!gardees.empty() && ligne_vide(table.ligne(gardees.back()))) {
            gardees.pop_back();
        }
    }
    qso.redimensionner(qso.size() + 1);
    table.recomposer_lignes(gardees, qso);
    // The rows read are in the table: their own copies go.
    qso = CellulesJournal();
    trier_par_date_heure(table);
    etat.ligne_suivante = table.nb_lignes() - 1;
}

QString titre_import(const Etat& etat) {
    return textes_import::debut_titre() + etat.fichier_courant + QStringLiteral(" (") +
           QString::number(etat.ligne_suivante - 1) + QStringLiteral(" QSO)");
}

ResultatImport importer_adif(Etat& etat, const Referentiel& referentiel,
                             const DemandeImport& demande, Dialogues& dialogues) {
    if (!QFileInfo::exists(demande.chemin_adif)) {
        throw Erreur(textes_import::fichier_inexistant());
    }
    ResultatImport resultat;
    resultat.lecture = lire_fichier_adif(demande.chemin_adif, referentiel.membres);
    if (resultat.lecture.base_membres_absente || resultat.lecture.nb_pris == 0) {
        return resultat;
    }
    QString chemin_copie;
    if (!confirmer(etat, demande, dialogues, resultat, chemin_copie)) {
        resultat.abandonne = true;
        return resultat;
    }
    if (demande.mode == ModeImport::remplacement && compter_QSO(etat.table) > 0) {
        resultat.qso_remplaces = compter_QSO(etat.table);
        resultat.copie_datee = garder_copie_datee(etat, demande.moment);
    }
    // The rows go to the log: kept here too, each would be copied when rescored.
    fusionner_import(etat, std::move(resultat.lecture.qso), demande.mode);
    try {
        calculer_score(etat, referentiel, demande.bande_selectionnee, demande.annee_courante);
    } catch (const Erreur& e) {
        resultat.erreur_score = e.message();
    }
    etat.fichier_modifie = false;
    ecrire_entetes(etat.table);
    enregistrer(etat, chemin_copie, resultat);
    emit etat.annonces.journal_importe();
    return resultat;
}

void signaler_import(const ResultatImport& resultat, Dialogues& dialogues) {
    if (resultat.lecture.base_membres_absente) {
        dialogues.message(TypeMessage::simple, QString::fromUtf8(message_base_membres_absente));
        return;
    }
    if (resultat.abandonne) {
        return;
    }
    for (const QString& erreur : QStringList{resultat.erreur_score} + resultat.erreurs_sauvegarde) {
        if (!erreur.isEmpty()) {
            dialogues.message(TypeMessage::erreur, erreur);
        }
    }
    QString texte = texte_comptes_import(resultat.lecture, FormeComptes::libelles);
    if (resultat.lecture.nb_pris == 0) {
        texte += QStringLiteral("\n\n") + textes_import::rien_a_importer();
    }
    if (!resultat.copie_datee.isEmpty()) {
        texte += QStringLiteral("\n\n") + textes_import::copie_datee_gardee()
                                              .arg(resultat.qso_remplaces)
                                              .arg(QDir::toNativeSeparators(resultat.copie_datee));
    }
    dialogues.message(TypeMessage::information, texte);
}

} // namespace vorek
