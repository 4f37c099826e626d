#pragma once

#include "cellules_journal.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <array>
#include <vector>

namespace vorek {

enum Colonne {
    col_date = 0,
    col_heure = 1,
    col_indicatif = 2,
    col_bande = 3,
    col_rst_env = 4,
    col_rst_recu = 5,
    col_ztc = 6,
    col_points = 7,
    col_nom = 8,
    col_notes = 9,
};

constexpr int nb_colonnes_journal = 10;
// The grid's design widths, which every new log carries whoever writes it (the windows,
// the command line); a column beyond them gets largeur_colonne_defaut.
constexpr std::array<int, nb_colonnes_journal> largeurs_conception{131, 64, 96, 64,  75,
                                                                   64,  64, 35, 231, 221};
constexpr int largeur_colonne_defaut = 64;

QStringList entetes_journal();

// The log table: cells of text addressed as (column, row), row 0 being the header and
// never fewer than two rows. The Qt model side shows row 0 as the view's horizontal
// header and rows 1.. as model rows 0..; this class is the only place that knows it.
class TableJournal : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit TableJournal(QObject* parent = nullptr);

    int nb_colonnes() const { return cellules_.colonnes(); }
    int nb_lignes() const { return int(cellules_.size()); }
    void fixer_nb_colonnes(int n);
    void fixer_nb_lignes(int n);

    QString cellule(int col, int ligne) const;
    // The same without a copy, for a cell within the table (the reads of every cell).
    const QString& texte(int col, int ligne) const { return cellules_.cellule(col, ligne); }
    void fixer_cellule(int col, int ligne, const QString& texte);
    QStringList ligne(int ligne) const;
    void fixer_ligne(int ligne, const QStringList& cellules);

    int largeur(int col) const;
    void fixer_largeur(int col, int pixels);
    const QList<int>& largeurs() const { return largeurs_; }

    // Moves rows ligne.. one row down and leaves row ligne empty; the row count grows by 1.
    void inserer_ligne(int ligne);
    // Moves the rows below up by one; the row count shrinks by 1, never below 2.
    void supprimer_ligne(int ligne);
    // Replaces the rows 1..n-1 in one go, in the order given (sorts, extraction).
    void remplacer_lignes(const QList<QStringList>& lignes_sans_entete);
    // The same from the table's own rows: rows 1.. become the old rows given, -1 giving an
    // empty row (a sort moves no text), then the new rows given.
    void recomposer_lignes(const std::vector<int>& anciennes,
                           const CellulesJournal& nouvelles = CellulesJournal());
    // Replaces the whole table, header included (load), taking the cells over.
    void remplacer(const QList<int>& largeurs, CellulesJournal&& cellules);
    // A new log: the header, one empty row.
    void vider();

    // The log row a view's index shows (0 for no index), and the index that shows a log
    // cell: the views see rows 1.. as their rows 0...
    static int ligne_de(const QModelIndex& index);
    QModelIndex index_cellule(int col, int ligne) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  signals:
    void largeur_changee(int col, int pixels);

  private:
    friend class LotCellules;
    QStringList ligne_vide() const;
    void annoncer(int col, int ligne);
    void fermer_lot();

    // While a batch is open, changed data rows are gathered and announced once at its end.
    int lots_ouverts_ = 0;
    int lot_premiere_ = 0;
    int lot_derniere_ = -1;

    CellulesJournal cellules_{nb_colonnes_journal};
    QList<int> largeurs_;
};

// Cell changes made while it lives reach the views as one change at its end: a rescoring
// of thousands of rows then costs the views one repaint, not one per cell.
class LotCellules {
  public:
    explicit LotCellules(TableJournal& table) : table_(table) { ++table_.lots_ouverts_; }
    ~LotCellules() { table_.fermer_lot(); }
    LotCellules(const LotCellules&) = delete;
    LotCellules& operator=(const LotCellules&) = delete;

  private:
    TableJournal& table_;
};

} // namespace vorek
