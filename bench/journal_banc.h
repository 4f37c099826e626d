#pragma once

// The log the entry and scoring benchmarks share: 10,000 QSOs, a 5,000-line member file
// and the real country file, in a temporary program folder.
#include "membres_banc.h"

#include "base/dates.h"
#include "base/fichier_texte.h"
#include "log/etat.h"
#include "refdata/conversion_pays.h"
#include "refdata/referentiel.h"
#include "rules/bandes.h"
#include "rules/periode.h"
#include "rules/score.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

inline const QString fichier_pays_reel = QStringLiteral(VOREK_DONNEES_TEST "/cty_wt_mod.dat");
inline const QString annee_banc = QStringLiteral("2025");

struct JournalBanc {
    QTemporaryDir dossier;
    vorek::Etat etat;
    QStringList appels;
    QString dxcc;
    QString membres;

    explicit JournalBanc(int qso = 10000) {
        etat.fixer_rep_programme(dossier.path());
        for (const QString& rep : {etat.rep_cfg, etat.rep_BD, etat.rep_challenge}) {
            QDir().mkpath(rep);
        }
        QFile::copy(fichier_pays_reel, etat.rep_cfg + QStringLiteral("/cty_wt.dat"));
        vorek::convertir_fichier_pays(etat.rep_cfg);
        dxcc = etat.rep_cfg + QStringLiteral("/DXCC.CSV");
        membres = etat.rep_BD + QStringLiteral("/ZTC_mini_2021.csv");
        ecrire_membres();
        const vorek::PeriodeConcours periode = vorek::periode_concours(QDate(2025, 3, 1));
        etat.debut_concours = periode.debut_concours;
        etat.fin_concours = periode.fin_concours;
        etat.station.station_continent = QStringLiteral("EU");
        etat.fichier_courant = QStringLiteral("BANC.VRK");
        remplir(qso);
    }

    void ecrire_membres() {
        const MembresBanc banc = membres_banc(
            {QStringLiteral("F"), QStringLiteral("DL"), QStringLiteral("EA8"), QStringLiteral("ON"),
             QStringLiteral("G"), QStringLiteral("I"), QStringLiteral("JA"), QStringLiteral("W")});
        appels = banc.appels;
        vorek::ecrire_lignes(membres, banc.lignes);
    }

    // Members mostly, some non-members and portable forms; about one QSO in ten is a
    // same-day or same-band duplicate.
    void remplir(int n) {
        QRandomGenerator g(2025);
        const QStringList bandes_journal = vorek::bandes();
        etat.table.fixer_nb_lignes(n + 2);
        for (int r = 1; r <= n; ++r) {
            QString appel = appels[int(g.bounded(1500))];
            if (g.bounded(10) == 0) {
                appel += QStringLiteral("/P");
            } else if (g.bounded(20) == 0) {
                appel = QStringLiteral("X%1NM").arg(r);
            }
            const QDate jour = QDate(2025, 7, 1).addDays(g.bounded(62));
            etat.table.fixer_ligne(r, {vorek::texte_date(vorek::vers_jours(jour)),
                                       QStringLiteral("%1:%2")
                                           .arg(g.bounded(24), 2, 10, QLatin1Char('0'))
                                           .arg(g.bounded(60), 2, 10, QLatin1Char('0')),
                                       appel, bandes_journal[int(g.bounded(12))], "599", "599", "",
                                       "", "", ""});
        }
        etat.ligne_suivante = n + 1;
    }
};

inline JournalBanc& journal() {
    static JournalBanc j;
    return j;
}

// The log scored as a load leaves it: the plain reading trusts the points of the rows above.
inline JournalBanc& journal_note() {
    JournalBanc& j = journal();
    static const bool note = [&j] {
        const vorek::Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
        vorek::calculer_score(j.etat, referentiel, QString(), annee_banc);
        return true;
    }();
    Q_UNUSED(note);
    return j;
}

// The indexes are built at the first look-up, as at the program's first keystroke.
inline void prechauffer(const vorek::Referentiel& referentiel) {
    benchmark::DoNotOptimize(referentiel.pays.trouver_pays(QStringLiteral("F5ABC")));
    benchmark::DoNotOptimize(referentiel.membres.chercher_membre(QStringLiteral("F5ABC")));
}
