#include "score.h"

#include "textes_saisie.h"

#include "log/dates.h"
#include "log/erreur.h"
#include "log/etat.h"
#include "refdata/referentiel.h"

#include <QHash>
#include <QSet>

namespace vorek {

namespace {

// Rows already scored in this pass, so that the duplicate rules look up instead of
// scanning every row above: the result is the one the scan from the row upward gives.
struct LignesPrecedentes {
    struct Indicatif {
        int derniere = 0;
        bool derniere_lisible = true;
        int illisible = 0; // the lowest row of this call whose date does not read
    };
    // Keyed by the trimmed call, as the same-day rule compares it.
    QHash<QString, Indicatif> par_indicatif;
    // (trimmed call, day) -> the lowest row with points of that call on that day.
    QHash<QPair<QString, qint64>, int> points_par_jour;
    // (member number, band cell) of every row above with points, member or not, scored
    // in this pass or not (an empty-call row keeps its old cells and still counts).
    QSet<QPair<QString, QString>> membres_par_bande;
};

struct Passe {
    Etat& etat;
    const Referentiel& referentiel;
    const QString& bande_selectionnee;
    const QString& annee_courante;
    ResultatScore& resultat;
    LignesPrecedentes vus;
};

QString cellule(const Passe& p, int col, int ligne) {
    return p.etat.table.cellule(col, ligne);
}

// The same-day rule. Walking up from the row, the first row of the same call reads both
// dates; then the nearest row either stops on an unreadable date or is a duplicate.
bool deja_le_meme_jour(Passe& p, int ligne) {
    const QString indicatif = cellule(p, col_indicatif, ligne);
    const auto trouve = p.vus.par_indicatif.constFind(indicatif);
    if (trouve == p.vus.par_indicatif.cend()) {
        return false;
    }
    if (!trouve->derniere_lisible) {
        lire_date(cellule(p, col_date, trouve->derniere));
    }
    const auto jour = qint64(lire_date(cellule(p, col_date, ligne)));
    const int doublon = p.vus.points_par_jour.value({indicatif, jour}, 0);
    if (trouve->illisible > doublon) {
        lire_date(cellule(p, col_date, trouve->illisible));
    }
    return doublon > 0;
}

bool deja_sur_la_bande(const Passe& p, int ligne) {
    return p.vus.membres_par_bande.contains(
        {cellule(p, col_ztc, ligne), cellule(p, col_bande, ligne)});
}

QString points_ligne(Passe& p, int ligne) {
    TableJournal& table = p.etat.table;
    const QString indicatif = cellule(p, col_indicatif, ligne);
    const ResultatMembre membre = p.referentiel.membres.chercher_membre(indicatif);
    if (!membre.base_trouvee) {
        p.resultat.base_membres_absente = true;
    }
    table.fixer_cellule(col_ztc, ligne, membre.membre_numero);
    if (membre.membre_numero == textes::non_membre()) {
        table.fixer_cellule(col_notes, ligne, textes::remarque_non_membre());
        return QStringLiteral("0");
    }
    table.fixer_cellule(col_notes, ligne, QString());
    const double moment = lire_date_heure(cellule(p, col_date, ligne) + QLatin1Char(' ') +
                                          cellule(p, col_heure, ligne));
    if (!(moment > p.etat.debut_concours && moment < p.etat.fin_concours)) {
        table.fixer_cellule(col_notes, ligne, textes::remarque_hors_date() + p.annee_courante);
        return QStringLiteral("0");
    }
    if (deja_le_meme_jour(p, ligne)) {
        table.fixer_cellule(col_notes, ligne, textes::remarque_meme_jour());
        return QStringLiteral("0");
    }
    QString bande = cellule(p, col_bande, ligne);
    if (bande.isEmpty()) {
        bande = p.bande_selectionnee;
    }
    const QString continent = p.referentiel.pays.trouver_pays(indicatif).dxcc_continent;
    if (deja_sur_la_bande(p, ligne)) {
        table.fixer_cellule(col_notes, ligne, textes::remarque_meme_bande());
        return QStringLiteral("0");
    }
    int points = points_bande(bande, continent == p.etat.station_continent);
    if (indicatif_de_base_points(indicatif) == QStringLiteral("F8ZTC")) {
        points *= 2;
    }
    return QString::number(points);
}

void retenir_ligne(Passe& p, int ligne, bool notee) {
    const QString points = cellule(p, col_points, ligne);
    const bool a_des_points = points != QStringLiteral("0");
    const QString numero = cellule(p, col_ztc, ligne);
    if (a_des_points && numero != textes::non_membre()) {
        p.vus.membres_par_bande.insert({numero, cellule(p, col_bande, ligne)});
    }
    if (!notee) {
        return;
    }
    const QString indicatif = cellule(p, col_indicatif, ligne).trimmed();
    double jour = 0;
    const bool lisible = essayer_date(cellule(p, col_date, ligne), jour);
    LignesPrecedentes::Indicatif& vu = p.vus.par_indicatif[indicatif];
    vu.derniere = ligne;
    vu.derniere_lisible = lisible;
    if (!lisible) {
        vu.illisible = ligne;
    } else if (a_des_points) {
        p.vus.points_par_jour.insert({indicatif, qint64(jour)}, ligne);
    }
}

} // namespace

int points_bande(const QString& bande, bool meme_continent) {
    struct Points {
        int meme;
        int autre;
    };
    static const QHash<QString, Points> table{
        {QStringLiteral("160m"), {3, 6}},   {QStringLiteral("80m"), {2, 5}},
        {QStringLiteral("60m"), {2, 5}},    {QStringLiteral("40m"), {2, 5}},
        {QStringLiteral("30m"), {2, 5}},    {QStringLiteral("20m"), {4, 3}},
        {QStringLiteral("17m"), {4, 3}},    {QStringLiteral("15m"), {4, 3}},
        {QStringLiteral("12m"), {4, 3}},    {QStringLiteral("10m"), {4, 3}},
        {QStringLiteral("6m"), {5, 8}},     {QStringLiteral("2m"), {6, 10}},
        {QStringLiteral("1,2m"), {10, 15}}, {QStringLiteral("70cm"), {10, 15}},
        {QStringLiteral("23cm"), {10, 15}}, {QStringLiteral("sat"), {10, 15}},
    };
    const auto trouve = table.constFind(bande);
    if (trouve == table.cend()) {
        return 0;
    }
    return meme_continent ? trouve->meme : trouve->autre;
}

void calculer_score(Etat& etat, const Referentiel& referentiel, const QString& bande_selectionnee,
                    const QString& annee_courante, ResultatScore& resultat) {
    Passe passe{etat, referentiel, bande_selectionnee, annee_courante, resultat, {}};
    etat.score_total = 0;
    resultat.score_total = 0;
    TableJournal& table = etat.table;
    for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
        const bool notee = !table.cellule(col_indicatif, ligne).isEmpty();
        if (notee) {
            table.fixer_cellule(col_points, ligne, points_ligne(passe, ligne));
            etat.score_total += table.cellule(col_points, ligne).toInt();
            resultat.score_total = etat.score_total;
        }
        retenir_ligne(passe, ligne, notee);
    }
}

ResultatScore calculer_score(Etat& etat, const Referentiel& referentiel,
                             const QString& bande_selectionnee, const QString& annee_courante) {
    ResultatScore resultat;
    calculer_score(etat, referentiel, bande_selectionnee, annee_courante, resultat);
    return resultat;
}

} // namespace vorek
