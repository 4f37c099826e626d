#pragma once

#include "memoire_score.h"

#include <QObject>

#include <memory>
#include <utility>
#include <vector>

namespace vorek {

class Etat;
struct Referentiel;

// The rescoring's memory of the log kept in step with the table, so that what a QSO about
// to be written would score is known at once. Every change of the table reaches it through
// the model's signals; a change above the rows remembered makes it start again from the
// top at the next question, a row added below is remembered on its own.
class ScoreSuivi : public QObject {
    Q_OBJECT

  public:
    ScoreSuivi(const Etat& etat, const Referentiel& referentiel, QObject* parent = nullptr);
    ~ScoreSuivi() override;

    // What the rescoring after the commit of qso into row ligne would give that row: the
    // rows above as they stand, qso's column 6 as the commit writes it. Throws Erreur with
    // the conversion text where that rescoring would stop before the row.
    Verdict apercu(const CellulesQSO& qso, int ligne, const QString& bande_selectionnee);

    // Rows remembered, from the top.
    int lignes_retenues() const;

  private:
    void oublier();
    void lignes_changees(int premiere, int derniere);
    void lignes_deplacees(int premiere);
    MemoireScore& memoire(const ConditionsScore& conditions, int jusqu_a);

    const Etat& etat_;
    const Referentiel& referentiel_;
    std::unique_ptr<MemoireScore> memoire_;
    // The cells of rows 1.. as remembered: a change is told from a rewrite of the same text.
    std::vector<CellulesQSO> retenues_;
    // The member database as last looked at.
    quint64 version_membres_ = 0;
    bool base_presente_ = false;
    // The versions of the member database and the country list the memory was built on.
    std::pair<quint64, quint64> versions_memoire_;
};

// A would-be row as the table would read it: cells past the table's columns are empty.
CellulesQSO cellules_lues(const TableJournal& table, const QStringList& ligne);

} // namespace vorek
