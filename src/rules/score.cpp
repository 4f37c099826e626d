#include "score.h"

#include "memoire_score.h"
#include "textes_regles.h"

#include "log/etat.h"
#include "refdata/referentiel.h"
#include "refdata/texte.h"

namespace vorek {

namespace {

// Every row answers the same about the database, so the first row with a call tells; a log
// without one scores nothing and says nothing.
bool base_absente(const TableJournal& table, const Referentiel& referentiel) {
    for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
        if (!table.cellule(col_indicatif, ligne).isEmpty()) {
            return !referentiel.membres.presente();
        }
    }
    return false;
}

// The remark ending texte, the year of the period remark included; 0 when none does.
qsizetype longueur_remarque(const QString& texte) {
    for (const QString& remarque : {textes::remarque_non_membre(), textes::remarque_meme_jour(),
                                    textes::remarque_meme_bande()}) {
        if (texte.endsWith(remarque)) {
            return remarque.size();
        }
    }
    qsizetype debut_annee = texte.size();
    while (debut_annee > 0 && texte[debut_annee - 1] >= QLatin1Char('0') &&
           texte[debut_annee - 1] <= QLatin1Char('9')) {
        --debut_annee;
    }
    const QString hors_date = textes::remarque_hors_date();
    if (QStringView(texte).first(debut_annee).endsWith(hors_date)) {
        return texte.size() - debut_annee + hors_date.size();
    }
    return 0;
}

} // namespace

QString numero_de_la_ligne(const QString& cellule_ztc) {
    QString numero = cellule_ztc;
    numero.remove(QLatin1Char('*'));
    return rogner(numero);
}

QString note_operateur(const QString& cellule_notes) {
    if (QStringView(cellule_notes).trimmed().isEmpty()) {
        return QString();
    }
    // A remark alone may have lost its leading blank on its way through the notes field of
    // a correction: files of earlier versions hold it so.
    const QString seule = QLatin1Char(' ') + cellule_notes.trimmed();
    if (longueur_remarque(seule) == seule.size()) {
        return QString();
    }
    QString note = cellule_notes;
    note.chop(longueur_remarque(note));
    return QStringView(note).trimmed().isEmpty() ? QString() : note;
}

void calculer_score(Etat& etat, const Referentiel& referentiel, const QString& bande_selectionnee,
                    const QString& annee_courante, ResultatScore& resultat) {
    // The reference files are looked at once for the whole rescoring.
    const OperationReferentiel operation(referentiel);
    TableJournal& table = etat.table;
    const bool absente = base_absente(table, referentiel);
    resultat.base_membres_absente = absente;
    MemoireScore memoire(table, referentiel, conditions_score(etat, bande_selectionnee, absente));
    etat.score_total = 0;
    resultat.score_total = 0;
    {
        const LotCellules lot(table);
        for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
            const QString indicatif = table.cellule(col_indicatif, ligne);
            QString note;
            if (!indicatif.isEmpty()) {
                // Without the database column 6 stays as it stands and the row scores from it.
                if (!absente) {
                    table.fixer_cellule(col_ztc, ligne, memoire.membre(indicatif).membre_numero);
                }
                note = note_operateur(table.cellule(col_notes, ligne));
                table.fixer_cellule(col_notes, ligne, note);
            }
            const Verdict verdict = memoire.noter_suivante();
            if (indicatif.isEmpty()) {
                continue;
            }
            if (verdict.regle != Regle::aucune) {
                table.fixer_cellule(col_notes, ligne,
                                    note + remarque(verdict.regle, annee_courante));
            }
            table.fixer_cellule(col_points, ligne, QString::number(verdict.points));
            etat.score_total += table.cellule(col_points, ligne).toInt();
            resultat.score_total = etat.score_total;
        }
    }
    // Once the views have the new cells.
    emit etat.annonces.score_recalcule();
}

ResultatScore calculer_score(Etat& etat, const Referentiel& referentiel,
                             const QString& bande_selectionnee, const QString& annee_courante) {
    ResultatScore resultat;
    calculer_score(etat, referentiel, bande_selectionnee, annee_courante, resultat);
    return resultat;
}

} // namespace vorek
