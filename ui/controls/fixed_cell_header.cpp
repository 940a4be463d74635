#include "controls/fixed_cell_header.h"

#include "controls/grid_colours.h"

#include <QPainter>

namespace orvanta {

namespace {
constexpr int textMargin = 3;
}  // namespace

void paintFixedCell(QPainter& painter, const QRect& rect, const QString& text, Qt::Alignment alignment,
                    const QPalette& palette) {
    painter.save();
    painter.fillRect(rect, palette.button());

    // Black grid lines on the last pixel row and column, where the ordinary
    // cells have theirs; inside them a light top-left and a dark bottom-right
    // line give the inset look.
    const auto line = [&painter](QPoint from, QPoint to, const QColor& colour) {
        painter.fillRect(QRect(from, to), colour);
    };
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    const QColor outline = fixedGridLineColour(palette);
    line(rect.topRight(), rect.bottomRight(), outline);
    line(rect.bottomLeft(), rect.bottomRight(), outline);
    line(inner.topLeft(), inner.topRight() - QPoint(1, 0), palette.color(QPalette::Light));
    line(inner.topLeft(), inner.bottomLeft() - QPoint(0, 1), palette.color(QPalette::Light));
    line(inner.topRight(), inner.bottomRight(), palette.color(QPalette::Mid));
    line(inner.bottomLeft(), inner.bottomRight(), palette.color(QPalette::Mid));

    painter.setPen(palette.color(QPalette::ButtonText));
    painter.drawText(rect.adjusted(textMargin, 0, -textMargin - 1, -1), alignment, text);
    painter.restore();
}

FixedCellHeader::FixedCellHeader(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
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
