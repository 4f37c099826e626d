#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace vorek {

// The cells of a log, rows after rows, held in little room: a cell is the number of its
// text in a list where each distinct text is held once (a log repeats its dates, times,
// bands, reports, calls, numbers and remarks), and a text no cell holds any more is let go.
// An empty cell holds no text. Rows are numbered from 0 (the header of a log table).
class CellulesJournal {
  public:
    explicit CellulesJournal(int colonnes = 1);

    int colonnes() const { return colonnes_; }
    // The number of rows.
    qsizetype size() const { return qsizetype(cellules_.size()) / colonnes_; }

    // Within the rows and columns.
    const QString& cellule(int col, qsizetype ligne) const {
        return textes_[cellules_[size_t(ligne * colonnes_ + col)]];
    }
    QStringList ligne(qsizetype ligne) const;
    // Every row as a list of texts.
    QList<QStringList> en_listes() const;

    // False when the cell held that text already.
    bool fixer(int col, qsizetype ligne, const QString& texte);
    // A row at the end, cut or filled with empty cells to the column count.
    void ajouter(const QStringList& cellules);
    void inserer_vides(qsizetype ligne, qsizetype n);
    void supprimer(qsizetype ligne);
    // Rows added at the end are empty.
    void redimensionner(qsizetype lignes);
    // The rows become the old rows given, in that order (one may come twice, or not at all);
    // -1 gives an empty row.
    void recomposer(const std::vector<int>& anciennes);
    // Cells past n go; new columns are empty.
    void changer_colonnes(int n);
    void reserver(qsizetype lignes);

    // How many distinct texts are held (for the tests of the letting go).
    qsizetype textes_tenus() const { return index_.size(); }

  private:
    quint32 retenir(const QString& texte);
    void lacher(quint32 numero);

    int colonnes_;
    std::vector<quint32> cellules_;
    // textes_[0] is the empty text, held by no count.
    std::vector<QString> textes_;
    std::vector<quint32> usages_;
    std::vector<quint32> libres_;
    QHash<QString, quint32> index_;
};

} // namespace vorek
