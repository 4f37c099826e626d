#pragma once

// One keystroke read plainly, as the rules say it: the reference files re-read from the
// top, the log scanned for the earlier QSOs and the partial check's marks, the would-be row
// scored alone against the rows above. The keystroke benchmarks set their figures beside it.
#include "balayage_simple.h"
#include "journal_banc.h"
#include "score_litteral.h"

#include "base/dates.h"
#include "entry/apercu.h"

#include <set>

inline const QDate jour_banc(2025, 7, 10);
inline const QString bande_banc = QStringLiteral("20m");

// Calls typed from their fourth character on, where every look-up runs.
inline QStringList frappes(const QStringList& appels) {
    QStringList textes;
    for (int i = 0; i < 1500; i += 7) {
        for (qsizetype k = 4; k <= appels[i].size(); ++k) {
            textes.append(appels[i].left(k));
        }
    }
    return textes;
}

// The members holding the fragment, read from the file, and their marks from a scan of the
// log.
inline int partiel_simple(const JournalBanc& j, const QString& fragment) {
    QStringList debut;
    QStringList ailleurs;
    for (const QString& ligne : vorek::lire_lignes(j.membres)) {
        const QString appel = ligne.section(QLatin1Char(','), 0, 0);
        if (appel.contains(fragment)) {
            (appel.startsWith(fragment) ? debut : ailleurs).append(appel);
        }
    }
    debut.sort();
    ailleurs.sort();
    const QStringList liste = (debut + ailleurs).mid(0, vorek::max_partiels);
    const std::set<QString> listes(liste.begin(), liste.end());
    const double jour = vorek::vers_jours(jour_banc);
    int marques = 0;
    const vorek::TableJournal& table = j.etat.table;
    for (int r = 1; r < table.nb_lignes(); ++r) {
        if (listes.count(vorek::cle_membre(table.cellule(vorek::col_indicatif, r)))) {
            double d = 0;
            marques += vorek::essayer_date(table.cellule(vorek::col_date, r), d) && d == jour;
            marques += table.cellule(vorek::col_bande, r) == bande_banc;
        }
    }
    return marques + int(liste.size());
}

// Everything the entry does at one keystroke, read plainly on the log of j (scored, as a
// load leaves it: the plain reading trusts the points of the rows above).
inline void frappe_simple(JournalBanc& j, const QString& appel) {
    using namespace vorek;
    TableJournal& table = j.etat.table;
    const int libre = j.etat.ligne_suivante;
    benchmark::DoNotOptimize(balayage::trouver_pays(j.dxcc, appel));
    benchmark::DoNotOptimize(balayage::chercher_membre(j.membres, appel));
    int precedents = 0;
    for (int r = 1; r < table.nb_lignes(); ++r) {
        precedents += table.cellule(col_indicatif, r) == appel ? 1 : 0;
    }
    benchmark::DoNotOptimize(precedents);
    // The row written where the commit would, scored alone against the rows above.
    table.fixer_ligne(libre, {texte_date(vers_jours(jour_banc)), "12:00", appel, bande_banc, "599",
                              "599", "", "", "", ""});
    benchmark::DoNotOptimize(
        litteral::points_ligne(j.etat, j.dxcc, j.membres, bande_banc, annee_banc, libre));
    table.fixer_ligne(libre, {});
    benchmark::DoNotOptimize(partiel_simple(j, appel));
}
