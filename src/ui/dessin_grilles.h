#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

#include <functional>

namespace vorek {

// A cell painted over the view's ordinary drawing, with its text written by hand.
class DessinCellule : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    // The cell as the view draws it, without its text; returns the cell's font.
    QFont fond_ordinaire(QPainter* peintre, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const;
    // Bold, at the left edge + 2, centred in height (the division truncating).
    static void ecrire(QPainter* peintre, const QRect& rect, const QFont& police,
                       const QColor& couleur, const QString& texte);
};

// Grille's cells: aqua even rows, red calls, green points, a line between columns.
class DessinGrille : public DessinCellule {
  public:
    using DessinCellule::DessinCellule;
    void paint(QPainter* peintre, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// StringGrid_HF's band cells: the marked one filled red, every text black.
class DessinBandes : public DessinCellule {
  public:
    // marquee(colonne, ligne) in the band grid's own rows (row 1 is under the labels).
    DessinBandes(std::function<bool(int, int)> marquee, QObject* parent);
    void paint(QPainter* peintre, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    std::function<bool(int, int)> marquee_;
};

// The plain cells of a small view shown anew at each keystroke (the earlier QSOs, the
// partial check): the background as the style draws it, and each text laid out once, then
// only drawn. A text that does not fit its cell is left to the style, which cuts it.
class DessinTexteMemorise : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* peintre, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const QStaticText& mise_en_page(const QString& texte, const QFont& police) const;

    mutable QFont police_;
    mutable QHash<QString, QStaticText> textes_;
};

} // namespace vorek
