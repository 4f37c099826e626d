#pragma once

#include "log/cellules_qso.h"

#include <QString>

#include <memory>
#include <vector>

namespace vorek {

class Etat;
struct Referentiel;
struct ResultatMembre;

// The rule that takes a QSO's points; aucune when it scores (or scores 0 for its band alone).
enum class Regle { aucune, non_membre, hors_date, meme_jour, meme_bande };

struct Verdict {
    int points = 0;
    Regle regle = Regle::aucune;
    bool operator==(const Verdict&) const = default;
};

// The remark a rule puts after the operator's note; the out-of-period one ends with the year.
QString remarque(Regle regle, const QString& annee_courante);

// What every row of one rescoring is scored under.
struct ConditionsScore {
    QString continent_station;
    double debut_concours = 0;
    double fin_concours = 0;
    QString bande_selectionnee;
    int nb_colonnes = 0;
    // Rows then score from their own column 6.
    bool base_absente = false;
    bool operator==(const ConditionsScore&) const = default;
};

ConditionsScore conditions_score(const Etat& etat, const QString& bande_selectionnee,
                                 bool base_absente);

// Where a memory reads the rows it judges: the log table, or rows given one at a time.
class LignesScore {
  public:
    virtual ~LignesScore() = default;
    virtual int nb_lignes() const = 0;
    virtual CellulesQSO cellules(int ligne) const = 0;
    // Column 0 alone, read again when a row below needs an earlier date.
    virtual QString date(int ligne) const = 0;
};

// What the rescoring knows of every row of the log, so that each rule looks up instead of
// scanning the rows above: which rows hold each call, on which day, with points or not, and
// which rows count for each member number and band. Rows are judged from the top. After a
// change of the table only the rows the change may reach wait to be judged again, from the
// changed row down (the rules look only upwards), and judging stops spreading as soon as a
// row's verdict no longer changes what the rows below it read. The entry's preview asks
// about a row not written yet. The answers equal the rules read row by row from the top.
class MemoireScore {
  public:
    MemoireScore(const TableJournal& table, const Referentiel& referentiel,
                 ConditionsScore conditions);
    // Over rows that are not a table's: the source outlives the memory.
    MemoireScore(const LignesScore& lignes, const Referentiel& referentiel,
                 ConditionsScore conditions);
    ~MemoireScore();
    MemoireScore(const MemoireScore&) = delete;
    MemoireScore& operator=(const MemoireScore&) = delete;

    // The reference files of the operation under way (the same files the memory was built
    // on: the look-ups already made are kept).
    void utiliser(const Referentiel& referentiel);

    // The table changed: n rows inserted or removed at ligne, or a row's cells rewritten.
    void lignes_inserees(int ligne, int n);
    void lignes_supprimees(int ligne, int n);
    void ligne_changee(int ligne);
    // The member database or the DXCC list changed: every call looked up is looked up
    // again in it, and the rows of those whose member number or continent changed wait to
    // be judged.
    void rafraichir_references(bool membres, bool pays);

    // Judges every waiting row above ligne, top down. Throws Erreur with the conversion
    // text where the rescoring stops: the rows above it are judged, it and the rows below
    // it still wait.
    void juger_jusqu_a(int ligne);
    // The first row still waiting (the table's row count when none).
    int prochaine_a_juger() const;

    // What a row with these cells placed at ligne would get from the rows above it, judged
    // first; nothing is remembered. Rows past the table's end read empty, as the commit
    // adds them. Throws as juger_jusqu_a.
    Verdict juger(const CellulesQSO& qso, int ligne);

    // The rows above ligne judged since they were last taken, in order; they are taken.
    std::vector<int> prendre_lignes_jugees(int ligne);
    Verdict verdict(int ligne) const;
    // The points of the rows with a call above ligne, all judged.
    int total_avant(int ligne) const;

    // The member look-up of a call, made once per call text.
    const ResultatMembre& membre(const QString& indicatif);

    const ConditionsScore& conditions() const;
    // The entry's band for the rows with a call and an empty band cell, which wait again.
    void changer_bande_selectionnee(const QString& bande);

  private:
    struct Donnees;
    std::unique_ptr<Donnees> d_;
};

} // namespace vorek
