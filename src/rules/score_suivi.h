#pragma once

#include "memoire_score.h"

#include "refdata/suivi_fichier.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

namespace vorek {

class Etat;
struct Referentiel;

// The rescoring's memory of one log table, kept in step with it through the model's
// signals and shared by every rescoring of that table and by the entry's preview: a row
// written, inserted or removed makes only the rows it may reach wait to be judged again,
// and a load, a commit or a correction costs those rows, not the whole log. The memory is
// made again from the top when the rows are reordered or replaced, when the columns
// change, or when the conditions of the rescoring do; a member database or country list
// replaced on disk makes the rows of the calls whose answer changed wait.
class SuiviTable : public QObject {
    Q_OBJECT

  public:
    // The one that follows this table, made at the first call (a child of the table).
    static SuiviTable& de(const TableJournal& table);

    // The memory for these reference files and conditions, its waiting rows not judged yet.
    MemoireScore& memoire(const Referentiel& referentiel, const ConditionsScore& conditions);

    // The next rescoring judges every row from the top.
    void oublier();

    // While one lives, the table's changes are the rescoring's own writing of its verdicts:
    // no row waits for them.
    class Ecriture {
      public:
        explicit Ecriture(SuiviTable& suivi) : suivi_(suivi) { ++suivi_.ecritures_; }
        ~Ecriture() { --suivi_.ecritures_; }
        Ecriture(const Ecriture&) = delete;
        Ecriture& operator=(const Ecriture&) = delete;

      private:
        SuiviTable& suivi_;
    };

    // The year the remarks of the table were last written with, empty when they may differ
    // (a rescoring that stopped half way).
    const QString& annee_ecrite() const { return annee_ecrite_; }
    void fixer_annee_ecrite(const QString& annee) { annee_ecrite_ = annee; }

  signals:
    // The rows were reordered or replaced: the memory is to be made again.
    void memoire_oubliee();

  private:
    explicit SuiviTable(const TableJournal& table);

    const TableJournal& table_;
    std::unique_ptr<MemoireScore> memoire_;
    // The reference files the memory's look-ups come from.
    SignatureFichier membres_;
    SignatureFichier pays_;
    int ecritures_ = 0;
    QString annee_ecrite_;
};

// The entry's view of that memory: what a QSO about to be written would score. Once the
// rows were reordered or replaced (a sort, an import), or a reference file replaced in its
// folder (a fetch), what the next keystroke needs is made again as soon as the event loop
// is idle, under the band of the last preview: the memory, the member database's indexes.
// A keystroke that comes first finds the change by itself, as every operation does.
class ScoreSuivi : public QObject {
    Q_OBJECT

  public:
    ScoreSuivi(const Etat& etat, const Referentiel& referentiel, QObject* parent = nullptr);
    ~ScoreSuivi() override;

    // What the rescoring after the commit of qso into row ligne would give that row: the
    // rows above as they stand, qso's column 6 as the commit writes it. Throws Erreur with
    // the conversion text where that rescoring would stop before the row.
    Verdict apercu(const CellulesQSO& qso, int ligne, const QString& bande_selectionnee);

  private:
    MemoireScore& memoire(const QString& bande_selectionnee);
    void preparer();

    const Etat& etat_;
    const Referentiel& referentiel_;
    std::optional<QString> bande_;
};

// A would-be row as the table would read it: cells past the table's columns are empty.
CellulesQSO cellules_lues(const TableJournal& table, const QStringList& ligne);

} // namespace vorek
