#pragma once

#include <QColor>
#include <QWidget>

namespace orvanta {

// A drawn horizontal line of one pixel, placed by its end points in twips.
// It takes no input, so controls beneath it stay usable.
class RuleLine : public QWidget {
    Q_OBJECT

public:
    RuleLine(int x1Twips, int x2Twips, int yTwips, const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

}  // namespace orvanta
