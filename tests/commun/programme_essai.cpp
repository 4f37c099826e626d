#include "programme_essai.h"

#include "rules/periode.h"

#include <QDir>

void preparer_programme(vorek::Etat& etat, const QString& racine, QDate jour) {
    etat.fixer_rep_programme(racine);
    QDir().mkpath(etat.rep_challenge);
    QDir().mkpath(etat.rep_BD);
    QDir().mkpath(etat.rep_cfg);
    const vorek::PeriodeConcours periode = vorek::periode_concours(jour);
    etat.debut_concours = periode.debut_concours;
    etat.fin_concours = periode.fin_concours;
}
