#pragma once

#include <QHeaderView>

namespace orvanta {

// Draws a fixed (heading) cell of the schedule grid: button face, button text,
// and inset lines (light above and left, dark below and right, black outline).
void paintFixedCell(QPainter& painter, const QRect& rect, const QString& text, Qt::Alignment alignment,
                    const QPalette& palette);

// A header of the schedule grid, showing its fixed row or fixed column.
// Sections keep their size: the user cannot resize them.
class FixedCellHeader : public QHeaderView {
    Q_OBJECT

public:
    FixedCellHeader(Qt::Orientation orientation, QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace orvanta
