#include "dessin_grilles.h"

#include "log/table_journal.h"
#include "logedit/edition_grille.h"

#include <QApplication>
#include <QPainter>

namespace vorek {

QFont DessinCellule::fond_ordinaire(QPainter* peintre, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QStyleOptionViewItem sans_texte = option;
    initStyleOption(&sans_texte, index);
    sans_texte.text.clear();
    const QWidget* vue = option.widget;
    QStyle* style = vue ? vue->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &sans_texte, peintre, vue);
    return sans_texte.font;
}

void DessinCellule::ecrire(QPainter* peintre, const QRect& rect, const QFont& police,
                           const QColor& couleur, const QString& texte) {
    QFont gras = police;
    gras.setBold(true);
    peintre->setFont(gras);
    peintre->setPen(couleur);
    const int hauteur = QFontMetrics(gras).height();
    const QRect zone(rect.left() + 2, rect.top() + (rect.height() - hauteur) / 2, rect.width() - 2,
                     hauteur);
    peintre->drawText(zone, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texte);
}

void DessinGrille::paint(QPainter* peintre, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    peintre->save();
    const QFont police = fond_ordinaire(peintre, option, index);
    const bool selectionnee = option.state.testFlag(QStyle::State_Selected);
    const StyleCellule style =
        style_cellule(index.column(), TableJournal::ligne_de(index), selectionnee);
    if (style.fond_aqua) {
        peintre->fillRect(option.rect, QColor(0, 255, 255));
    }
    const QColor couleur(style.texte.rouge, style.texte.vert, style.texte.bleu);
    ecrire(peintre, option.rect, police, couleur, index.data().toString());
    // Lines between columns only, none between rows.
    peintre->setPen(option.palette.color(QPalette::Mid));
    peintre->drawLine(option.rect.topRight(), option.rect.bottomRight());
    peintre->restore();
}

DessinBandes::DessinBandes(std::function<bool(int, int)> marquee, QObject* parent)
    : DessinCellule(parent), marquee_(std::move(marquee)) {}

void DessinBandes::paint(QPainter* peintre, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    peintre->save();
    const QFont police = fond_ordinaire(peintre, option, index);
    if (marquee_(index.column(), index.row() + 1)) {
        peintre->fillRect(option.rect, QColor(255, 0, 0));
    }
    ecrire(peintre, option.rect, police, Qt::black, index.data().toString());
    peintre->restore();
}

const QStaticText& DessinTexteMemorise::mise_en_page(const QString& texte,
                                                     const QFont& police) const {
    // A few hundred calls, dates and names: the memory starts again past that, or with
    // another font.
    if (police != police_ || textes_.size() > 1000) {
        textes_.clear();
        police_ = police;
    }
    auto trouve = textes_.find(texte);
    if (trouve == textes_.end()) {
        QStaticText mise(texte);
        mise.setTextFormat(Qt::PlainText);
        mise.prepare(QTransform(), police);
        trouve = textes_.insert(texte, mise);
    }
    return *trouve;
}

void DessinTexteMemorise::paint(QPainter* peintre, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* vue = option.widget;
    QStyle* style = vue ? vue->style() : QApplication::style();
    const int marge = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, vue) + 1;
    const QRect zone = opt.rect.adjusted(marge, 0, -marge, 0);
    const bool ordinaire = !opt.text.isEmpty() &&
                           opt.features == QStyleOptionViewItem::HasDisplay &&
                           opt.displayAlignment == (Qt::AlignLeft | Qt::AlignVCenter);
    const QStaticText* texte = ordinaire ? &mise_en_page(opt.text, opt.font) : nullptr;
    if (!texte || texte->size().width() > zone.width()) {
        QStyledItemDelegate::paint(peintre, option, index);
        return;
    }
    const QPalette::ColorGroup groupe = !(opt.state & QStyle::State_Enabled)  ? QPalette::Disabled
                                        : !(opt.state & QStyle::State_Active) ? QPalette::Inactive
                                                                              : QPalette::Normal;
    const QColor couleur = opt.palette.color(
        groupe, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text);
    const QPointF origine(zone.left(), zone.top() + (zone.height() - texte->size().height()) / 2);
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, peintre, vue);
    peintre->save();
    peintre->setFont(opt.font);
    peintre->setPen(couleur);
    peintre->drawStaticText(origine, *texte);
    peintre->restore();
}

} // namespace vorek
