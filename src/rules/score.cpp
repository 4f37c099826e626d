#include "score.h"

#include "memoire_score.h"
#include "score_suivi.h"
#include "textes_regles.h"

#include "base/erreur.h"
#include "log/etat.h"
#include "refdata/referentiel.h"
#include "refdata/texte.h"

#include <algorithm>
#include <array>
#include <optional>

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

namespace {

// Points are a few small numbers: each is written as one shared text.
QString texte_points(int points) {
    static const std::array<QString, 32> petits = [] {
        std::array<QString, 32> textes;
        for (int i = 0; i < int(textes.size()); ++i) {
            textes[size_t(i)] = QString::number(i);
        }
        return textes;
    }();
    return points >= 0 && points < int(petits.size()) ? petits[size_t(points)]
                                                      : QString::number(points);
}

// The cells a rescoring writes for a row it judged: column 6 from the member database,
// column 9 the operator's note followed by the remark, column 7 the points.
void ecrire_verdict(TableJournal& table, MemoireScore& memoire, int ligne, bool absente,
                    const QString& annee) {
    const QString indicatif = table.cellule(col_indicatif, ligne);
    if (indicatif.isEmpty()) {
        return;
    }
    const Verdict verdict = memoire.verdict(ligne);
    if (!absente) {
        table.fixer_cellule(col_ztc, ligne, memoire.membre(indicatif).membre_numero);
    }
    const QString note = note_operateur(table.cellule(col_notes, ligne));
    table.fixer_cellule(col_notes, ligne,
                        verdict.regle == Regle::aucune ? note
                                                       : note + remarque(verdict.regle, annee));
    table.fixer_cellule(col_points, ligne, texte_points(verdict.points));
}

// The row where the rescoring stopped gets what it had written before the rule that read
// the date: column 6 and the note without remark.
void ecrire_arret(TableJournal& table, MemoireScore& memoire, int ligne, bool absente) {
    const QString indicatif = table.cellule(col_indicatif, ligne);
    if (indicatif.isEmpty()) {
        return;
    }
    if (!absente) {
        table.fixer_cellule(col_ztc, ligne, memoire.membre(indicatif).membre_numero);
    }
    table.fixer_cellule(col_notes, ligne, note_operateur(table.cellule(col_notes, ligne)));
}

// The rows whose cells are to be written above arret: those judged since the last writing,
// and, for another year than the one written, those whose remark holds the year.
std::vector<int> lignes_a_ecrire(MemoireScore& memoire, int arret, bool autre_annee) {
    std::vector<int> lignes = memoire.prendre_lignes_jugees(arret);
    if (autre_annee) {
        for (int ligne = 1; ligne < arret; ++ligne) {
            if (memoire.verdict(ligne).regle == Regle::hors_date) {
                lignes.push_back(ligne);
            }
        }
        std::sort(lignes.begin(), lignes.end());
        lignes.erase(std::unique(lignes.begin(), lignes.end()), lignes.end());
    }
    return lignes;
}

} // namespace

void calculer_score(Etat& etat, const Referentiel& referentiel, const QString& bande_selectionnee,
                    const QString& annee_courante, ResultatScore& resultat) {
    // The reference files are looked at once for the whole rescoring.
    const OperationReferentiel operation(referentiel);
    TableJournal& table = etat.table;
    const bool absente = base_absente(table, referentiel);
    resultat.base_membres_absente = absente;
    SuiviTable& suivi = SuiviTable::de(table);
    MemoireScore& memoire =
        suivi.memoire(referentiel, conditions_score(etat, bande_selectionnee, absente));
    // Only the rows a change may reach are judged again; the others keep their cells.
    std::optional<Erreur> erreur;
    try {
        memoire.juger_jusqu_a(table.nb_lignes());
    } catch (const Erreur& e) {
        erreur = e;
    }
    const int arret = erreur ? memoire.prochaine_a_juger() : table.nb_lignes();
    {
        const SuiviTable::Ecriture ecriture(suivi);
        const LotCellules lot(table);
        for (const int ligne :
             lignes_a_ecrire(memoire, arret, annee_courante != suivi.annee_ecrite())) {
            ecrire_verdict(table, memoire, ligne, absente, annee_courante);
        }
        if (erreur) {
            ecrire_arret(table, memoire, arret, absente);
        }
    }
    etat.score_total = table.nb_colonnes() > col_points ? memoire.total_avant(arret) : 0;
    resultat.score_total = etat.score_total;
    // Stopped, the rows above carry this year and the others their own: the next rescoring
    // writes every year again.
    suivi.fixer_annee_ecrite(erreur ? QString() : annee_courante);
    if (erreur) {
        throw *erreur;
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
