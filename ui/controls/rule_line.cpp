#include "controls/rule_line.h"

#include "services/twips.h"

#include <QPainter>

namespace orvanta {

RuleLine::RuleLine(int x1Twips, int x2Twips, int yTwips, const QColor& colour, QWidget* parent)
    : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(pixelsFromTwips(x1Twips), pixelsFromTwips(yTwips), pixelsFromTwips(x2Twips) - pixelsFromTwips(x1Twips),
                1);
}

void RuleLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

}  // namespace orvanta
