#include "import_adif.h"

#include "textes_import.h"

#include "base/dates.h"
#include "base/erreur.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "refdata/referentiel.h"
#include "reports/noms_rapports.h"
#include "rules/score.h"

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
    QList<QStringList> lignes;
    lignes.reserve(fin + 1);
    for (const int r : ordre) {
        lignes.append(table.ligne(r));
    }
    lignes.append(table.ligne(fin + 1));
    table.remplacer_lignes(lignes);
}

void fusionner_import(Etat& etat, const QList<QStringList>& qso, ModeImport mode) {
    TableJournal& table = etat.table;
    QList<QStringList> lignes;
    if (mode == ModeImport::ajout) {
        for (int r = 1; r < table.nb_lignes(); ++r) {
            lignes.append(table.ligne(r));
        }
        // The free row after the last QSO takes the first imported one; a last row that
        // holds anything stays as it is.
        if (!lignes.isEmpty() && ligne_vide(lignes.last())) {
            lignes.removeLast();
        }
    }
    lignes += qso;
    lignes.append(QStringList());
    table.remplacer_lignes(lignes);
    trier_par_date_heure(table);
    etat.ligne_suivante = table.nb_lignes() - 1;
}

QString titre_import(const Etat& etat) {
    return textes_import::debut_titre() + etat.fichier_courant + QStringLiteral(" (") +
           QString::number(etat.ligne_suivante - 1) + QStringLiteral(" QSO)");
}

ResultatImport importer_adif(Etat& etat, const Referentiel& referentiel, const QString& chemin_adif,
                             ModeImport mode, const QString& bande_selectionnee,
                             const QString& annee_courante) {
    if (!QFileInfo::exists(chemin_adif)) {
        throw Erreur(textes_import::fichier_inexistant());
    }
    ResultatImport resultat;
    resultat.lecture = lire_fichier_adif(chemin_adif, referentiel.membres);
    if (resultat.lecture.base_membres_absente) {
        return resultat;
    }
    fusionner_import(etat, resultat.lecture.qso, mode);
    try {
        calculer_score(etat, referentiel, bande_selectionnee, annee_courante);
    } catch (const Erreur& e) {
        resultat.erreur_score = e.message();
    }
    etat.fichier_modifie = false;
    ecrire_entetes(etat.table);
    resultat.chemin_vrk = chemin_vrk_import(chemin_adif);
    try {
        sauver_fichier(etat, resultat.chemin_vrk);
    } catch (const Erreur& e) {
        resultat.erreur_sauvegarde = e.message();
    }
    emit etat.annonces.journal_importe();
    return resultat;
}

void signaler_import(const ResultatImport& resultat, Dialogues& dialogues) {
    if (resultat.lecture.base_membres_absente) {
        dialogues.message(TypeMessage::simple, QString::fromUtf8(message_base_membres_absente));
        return;
    }
    for (const QString& erreur : {resultat.erreur_score, resultat.erreur_sauvegarde}) {
        if (!erreur.isEmpty()) {
            dialogues.message(TypeMessage::erreur, erreur);
        }
    }
    if (const int incomplets = resultat.lecture.nb_incomplets(); incomplets > 0) {
        dialogues.message(TypeMessage::information,
                          textes_import::enregistrements_incomplets().arg(incomplets));
    }
}

} // namespace vorek
