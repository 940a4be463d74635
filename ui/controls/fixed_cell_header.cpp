#include "fixed_cell_header.h"

#include <QPainter>

namespace orvanta {

namespace {
constexpr int textMargin = 3;
const QColor fixedGridColour(0, 0, 0);
}  // namespace

void paintFixedCell(QPainter& painter, const QRect& rect, const QString& text, Qt::Alignment alignment,
                    const QPalette& palette) {
    painter.save();
    painter.fillRect(rect, palette.button());

    // Black grid lines on the last pixel row and column, where the ordinary
    // cells have theirs; inside them a light top-left and a dark bottom-right
    // line give the inset look.
    painter.setPen(fixedGridColour);
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(inner.topLeft(), inner.topRight() - QPoint(1, 0));
    painter.drawLine(inner.topLeft(), inner.bottomLeft() - QPoint(0, 1));
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawLine(inner.topRight(), inner.bottomRight());
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());

    painter.setPen(palette.color(QPalette::ButtonText));
    painter.drawText(rect.adjusted(textMargin, 0, -textMargin - 1, -1), alignment, text);
    painter.restore();
}

FixedCellHeader::FixedCellHeader(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
    setHighlightSections(false);
}

void FixedCellHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid() || model() == nullptr) return;
    const QString text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    const QVariant alignment = model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole);
    paintFixedCell(*painter, rect, text,
                   alignment.isValid() ? alignment.value<Qt::Alignment>() : Qt::AlignLeft | Qt::AlignVCenter,
                   palette());
}

}  // namespace orvanta
