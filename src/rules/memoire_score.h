#pragma once

#include <QString>

#include <memory>

namespace vorek {

class Etat;
class TableJournal;
struct Referentiel;
struct ResultatMembre;

// The cells of a row that the rescoring reads.
struct CellulesQSO {
    QString date;
    QString heure;
    QString indicatif;
    QString bande;
    QString ztc;
    QString points;
    static CellulesQSO de_la_ligne(const TableJournal& table, int ligne);
    bool operator==(const CellulesQSO&) const = default;
};

// The rule that takes a QSO's points; aucune when it scores (or scores 0 for its band alone).
enum class Regle { aucune, non_membre, hors_date, meme_jour, meme_bande };

struct Verdict {
    int points = 0;
    Regle regle = Regle::aucune;
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

// What the rescoring knows of the rows above the one it scores, so that each rule looks up
// instead of scanning those rows: the rescoring notes the rows in order through it, and the
// entry's preview asks it about a row that is not written yet. The answers equal the rules
// read row by row from the top.
class MemoireScore {
  public:
    MemoireScore(const TableJournal& table, const Referentiel& referentiel,
                 ConditionsScore conditions);
    ~MemoireScore();
    MemoireScore(const MemoireScore&) = delete;
    MemoireScore& operator=(const MemoireScore&) = delete;

    // The member look-up of a call, made once per call text.
    const ResultatMembre& membre(const QString& indicatif);

    // Scores row derniere_ligne() + 1 of the table and remembers it; a row without a call is
    // only remembered as it stands. Throws Erreur with the conversion text where the
    // rescoring stops; the row is then not remembered. Column 6 is read as the rescoring
    // has just written it.
    Verdict noter_suivante();

    // What a row placed right after those remembered would get, its cells given (column 6
    // as it stands before the rescoring writes it); nothing is remembered. Throws as above.
    Verdict juger(const CellulesQSO& qso);

    int derniere_ligne() const;
    const ConditionsScore& conditions() const;
    // Whether a row remembered took its points from the entry's band (its band cell empty):
    // the entry's band then matters to the rows remembered.
    bool bande_selectionnee_lue() const;
    void changer_bande_selectionnee(const QString& bande);

  private:
    struct Donnees;
    std::unique_ptr<Donnees> d_;
};

} // namespace vorek
