#include "score_litteral.h"

#include "balayage_simple.h"

#include "base/dates.h"
#include "log/etat.h"

#include <QRegularExpression>

using namespace vorek;

namespace litteral {

namespace {

struct Contexte {
    Etat& etat;
    const QString& dxcc;
    const QString& base;
    const QString& bande_selectionnee;
    const QString& annee;
};

QString c(const Contexte& x, int col, int ligne) {
    return x.etat.table.cellule(col, ligne);
}

int points_table(const QString& bande, bool meme) {
    if (bande == QStringLiteral("160m")) {
        return meme ? 3 : 6;
    }
    if (bande == QStringLiteral("80m") || bande == QStringLiteral("60m") ||
        bande == QStringLiteral("40m") || bande == QStringLiteral("30m")) {
        return meme ? 2 : 5;
    }
    if (bande == QStringLiteral("20m") || bande == QStringLiteral("17m") ||
        bande == QStringLiteral("15m") || bande == QStringLiteral("12m") ||
        bande == QStringLiteral("10m")) {
        return meme ? 4 : 3;
    }
    if (bande == QStringLiteral("6m")) {
        return meme ? 5 : 8;
    }
    if (bande == QStringLiteral("2m")) {
        return meme ? 6 : 10;
    }
    if (bande == QStringLiteral("1,2m") || bande == QStringLiteral("70cm") ||
        bande == QStringLiteral("23cm") || bande == QStringLiteral("sat")) {
        return meme ? 10 : 15;
    }
    return 0;
}

// Column 6 without "*", trimmed: the number a row stands for without the database.
QString numero_propre(const QString& cellule) {
    QString n = cellule;
    return n.remove(QLatin1Char('*')).trimmed();
}

// The cell less a remark at its end; a remark alone, even without its leading blank, and
// a blank rest leave no note.
QString note(const QString& cellule) {
    static const QString remarques =
        QStringLiteral("(?:NM car non à jour|>>>>>>>  Déjà QSO le même jour !  <<<<<<<<|"
                       "Déjà QSO sur cette bande|Hors date pour [0-9]*)");
    static const QRegularExpression seule(QStringLiteral("^\\s*") + remarques +
                                          QStringLiteral("\\s*$"));
    static const QRegularExpression fin(QStringLiteral("^(.*?) ") + remarques + QStringLiteral("$"),
                                        QRegularExpression::DotMatchesEverythingOption);
    if (seule.match(cellule).hasMatch()) {
        return QString();
    }
    const QRegularExpressionMatch m = fin.match(cellule);
    const QString reste = m.hasMatch() ? m.captured(1) : cellule;
    return reste.trimmed().isEmpty() ? QString() : reste;
}

QString points_ligne(Contexte& x, int ligne) {
    TableJournal& t = x.etat.table;
    const QString n = note(c(x, 9, ligne));
    ResultatMembre m = balayage::chercher_membre(x.base, c(x, 2, ligne));
    if (m.base_trouvee) {
        t.fixer_cellule(6, ligne, m.membre_numero);
    } else {
        m.membre_numero = numero_propre(c(x, 6, ligne));
    }
    if (m.membre_numero == QStringLiteral("NM") || (!m.base_trouvee && m.membre_numero.isEmpty())) {
        t.fixer_cellule(9, ligne, n + QStringLiteral(" NM car non à jour"));
        return QStringLiteral("0");
    }
    t.fixer_cellule(9, ligne, n);
    const double moment = lire_date_heure(c(x, 0, ligne) + QLatin1Char(' ') + c(x, 1, ligne));
    if (!(moment > x.etat.debut_concours && moment < x.etat.fin_concours)) {
        t.fixer_cellule(9, ligne, n + QStringLiteral(" Hors date pour ") + x.annee);
        return QStringLiteral("0");
    }
    for (int r = ligne - 1; r >= 1; --r) {
        if (c(x, 2, r).trimmed() == c(x, 2, ligne)) {
            const double d1 = lire_date(c(x, 0, r));
            const double d2 = lire_date(c(x, 0, ligne));
            if (c(x, 7, r) != QStringLiteral("0") && d1 == d2) {
                t.fixer_cellule(9, ligne,
                                n + QStringLiteral(" >>>>>>>  Déjà QSO le même jour !  <<<<<<<<"));
                return QStringLiteral("0");
            }
        }
    }
    QString bande = c(x, 3, ligne);
    if (bande.isEmpty()) {
        bande = x.bande_selectionnee;
    }
    const QString continent = balayage::trouver_pays(x.dxcc, c(x, 2, ligne)).dxcc_continent;
    for (int r = 1; r < ligne; ++r) {
        const QString numero = m.base_trouvee ? c(x, 6, r) : numero_propre(c(x, 6, r));
        if (numero != QStringLiteral("NM") && numero == m.membre_numero &&
            c(x, 3, r) == c(x, 3, ligne) && c(x, 7, r) != QStringLiteral("0")) {
            t.fixer_cellule(9, ligne, n + QStringLiteral(" Déjà QSO sur cette bande"));
            return QStringLiteral("0");
        }
    }
    int points = points_table(bande, continent == x.etat.station.station_continent);
    if (indicatif_de_base_points(c(x, 2, ligne)) == QStringLiteral("F8ZTC")) {
        points *= 2;
    }
    return QString::number(points);
}

} // namespace

QString points_ligne(Etat& etat, const QString& chemin_dxcc, const QString& chemin_base,
                     const QString& bande_selectionnee, const QString& annee_courante, int ligne) {
    Contexte x{etat, chemin_dxcc, chemin_base, bande_selectionnee, annee_courante};
    return points_ligne(x, ligne);
}

void calculer_score(Etat& etat, const QString& chemin_dxcc, const QString& chemin_base,
                    const QString& bande_selectionnee, const QString& annee_courante) {
    Contexte x{etat, chemin_dxcc, chemin_base, bande_selectionnee, annee_courante};
    etat.score_total = 0;
    for (int r = 1; r < etat.table.nb_lignes(); ++r) {
        if (c(x, 2, r).isEmpty()) {
            continue;
        }
        etat.table.fixer_cellule(7, r, points_ligne(x, r));
        etat.score_total += c(x, 7, r).toInt();
    }
}

} // namespace litteral
