#include "statistiques.h"

#include "base/dates.h"
#include "log/etat.h"
#include "rules/bandes.h"
#include "rules/score.h"
#include "rules/textes_regles.h"

#include <QHash>

#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace vorek {

namespace {

constexpr int inconnu = -1;
const qint64 jour_zero = QDate(1899, 12, 30).toJulianDay();

// What the statistics need of one QSO row.
struct Rangee {
    int bande = 0;         // interned band text
    qint64 jour = inconnu; // day count from 30/12/1899
    int minute = inconnu;  // minute of the day
    int points = 0;
    int membre = inconnu; // interned member number
};

// Dates and times repeat from row to row: each text is read once.
struct Lecteur {
    QHash<QString, qint64> jours;
    QHash<QString, int> minutes;
    QHash<QString, int> bandes;
    QStringList textes_bandes;
    QHash<QString, int> membres;

    qint64 jour(const QString& texte) {
        const auto lu = jours.constFind(texte);
        if (lu != jours.constEnd()) {
            return *lu;
        }
        double valeur = 0;
        const qint64 j = essayer_date(texte, valeur) ? qint64(std::floor(valeur)) : inconnu;
        jours.insert(texte, j);
        return j;
    }

    int minute(const QString& texte) {
        const auto lu = minutes.constFind(texte);
        if (lu != minutes.constEnd()) {
            return *lu;
        }
        double valeur = 0;
        const int m = essayer_heure(texte, valeur)
                          ? int(std::lround((valeur - std::floor(valeur)) * 1440)) % 1440
                          : inconnu;
        minutes.insert(texte, m);
        return m;
    }

    int bande(const QString& texte) {
        const auto lu = bandes.constFind(texte);
        if (lu != bandes.constEnd()) {
            return *lu;
        }
        textes_bandes.append(texte);
        return *bandes.insert(texte, int(textes_bandes.size()) - 1);
    }

    int membre(const QString& cellule) {
        const QString numero = numero_de_la_ligne(cellule);
        if (numero.isEmpty() || numero == textes::non_membre()) {
            return inconnu;
        }
        const auto lu = membres.constFind(numero);
        return lu != membres.constEnd() ? *lu : *membres.insert(numero, int(membres.size()));
    }
};

std::vector<Rangee> lire_rangees(const TableJournal& table, Lecteur& lecteur) {
    std::vector<Rangee> rangees;
    rangees.reserve(size_t(table.nb_lignes()));
    for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
        if (table.cellule(col_indicatif, ligne).isEmpty()) {
            continue;
        }
        rangees.push_back({lecteur.bande(table.cellule(col_bande, ligne)),
                           lecteur.jour(table.cellule(col_date, ligne)),
                           lecteur.minute(table.cellule(col_heure, ligne)),
                           table.cellule(col_points, ligne).toInt(),
                           lecteur.membre(table.cellule(col_ztc, ligne))});
    }
    return rangees;
}

// The column of each interned band: the band list's order first, then the others as met.
std::vector<int> colonnes_bandes(const Lecteur& lecteur, QStringList& bandes_vues) {
    std::vector<int> colonne(size_t(lecteur.textes_bandes.size()), inconnu);
    const auto placer = [&](int id) {
        colonne[size_t(id)] = int(bandes_vues.size());
        bandes_vues.append(lecteur.textes_bandes[id]);
    };
    for (const QString& bande : bandes()) {
        if (const auto id = lecteur.bandes.constFind(bande); id != lecteur.bandes.constEnd()) {
            placer(*id);
        }
    }
    for (int id = 0; id < int(colonne.size()); ++id) {
        if (colonne[size_t(id)] == inconnu) {
            placer(id);
        }
    }
    return colonne;
}

void compter_jours(const std::vector<Rangee>& rangees, const std::vector<int>& colonne,
                   int nb_membres, Statistiques& stats) {
    std::map<qint64, std::vector<const Rangee*>> par_jour; // an unknown day sorts last
    for (const Rangee& r : rangees) {
        par_jour[r.jour == inconnu ? std::numeric_limits<qint64>::max() : r.jour].push_back(&r);
    }
    const qsizetype nb_bandes = stats.bandes.size();
    stats.total_par_bande.fill(Compte(), nb_bandes);
    std::vector<int> dernier_jour(size_t(nb_membres), inconnu);
    int rang = 0;
    for (const auto& [jour, du_jour] : par_jour) {
        JourStats j;
        if (jour != std::numeric_limits<qint64>::max()) {
            j.jour = QDate::fromJulianDay(jour_zero + jour);
        }
        j.par_bande.fill(Compte(), nb_bandes);
        for (const Rangee* r : du_jour) {
            for (Compte* c : {&j.par_bande[colonne[size_t(r->bande)]], &j.total}) {
                ++c->qso;
                c->points += r->points;
            }
            if (r->membre != inconnu && dernier_jour[size_t(r->membre)] != rang) {
                j.nouveaux_membres += dernier_jour[size_t(r->membre)] == inconnu;
                ++j.membres;
                dernier_jour[size_t(r->membre)] = rang;
            }
        }
        for (qsizetype b = 0; b < nb_bandes; ++b) {
            stats.total_par_bande[b].qso += j.par_bande[b].qso;
            stats.total_par_bande[b].points += j.par_bande[b].points;
        }
        stats.total.qso += j.total.qso;
        stats.total.points += j.total.points;
        stats.jours.append(j);
        ++rang;
    }
    stats.membres = nb_membres;
}

qint64 heure_de(const Rangee& r) {
    return r.jour == inconnu || r.minute == inconnu ? inconnu : r.jour * 24 + r.minute / 60;
}

void compter_heures(const std::vector<Rangee>& rangees, const Etat& etat,
                    const QDateTime& maintenant_utc, Statistiques& stats) {
    const qint64 premiere = qint64(std::floor(etat.debut_concours * 24));
    const qint64 derniere = qint64(std::floor(etat.fin_concours * 24));
    const qint64 nb_heures = std::max<qint64>(0, derniere - premiere + 1);
    const qint64 heure_courante =
        (maintenant_utc.date().toJulianDay() - jour_zero) * 24 + maintenant_utc.time().hour();
    std::vector<int> points(size_t(nb_heures), 0);
    stats.qso_par_heure.fill(0, nb_heures);
    for (const Rangee& r : rangees) {
        const qint64 heure = heure_de(r);
        if (heure == inconnu) {
            continue;
        }
        stats.qso_heure_courante += heure == heure_courante;
        stats.qso_heure_precedente += heure == heure_courante - 1;
        if (heure >= premiere && heure <= derniere) {
            ++stats.qso_par_heure[heure - premiere];
            points[size_t(heure - premiere)] += r.points;
        }
    }
    stats.score_cumule.reserve(nb_heures);
    int cumul = 0;
    for (const int p : points) {
        stats.score_cumule.append(cumul += p);
    }
    stats.debut_heures =
        QDateTime(QDate::fromJulianDay(jour_zero + premiere / 24), QTime(int(premiere % 24), 0));
}

} // namespace

Statistiques calculer_statistiques(const Etat& etat, const QDateTime& maintenant_utc) {
    Lecteur lecteur;
    const std::vector<Rangee> rangees = lire_rangees(etat.table, lecteur);
    Statistiques stats;
    const std::vector<int> colonne = colonnes_bandes(lecteur, stats.bandes);
    compter_jours(rangees, colonne, int(lecteur.membres.size()), stats);
    compter_heures(rangees, etat, maintenant_utc, stats);
    return stats;
}

} // namespace vorek
