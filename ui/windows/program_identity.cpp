#include "program_identity.h"

#include "designed_control.h"
#include "fonts.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace orvanta {

namespace {

// QLabel smooths a picture it scales to the screen; at a whole scale each pixel simply
// becomes a square of pixels and stays crisp, at a fractional one smoothing reads better.
class Picture : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const qreal scale = devicePixelRatioF();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != std::floor(scale));
        painter.drawPixmap(0, 0, pixmap());
    }
};

}  // namespace

QLabel* productNameLabel(int index, QWidget* container, int leftTwips, int topTwips) {
    const QByteArray name = QByteArray("lblProductName(") + QByteArray::number(index) + ")";
    auto* label = designed(new QLabel(programName, container), name.constData(), leftTwips, topTwips, 4665, 765);
    label->setFont(designFont("Arial", 32.25, QFont::Bold));
    if (index == 1) setTextColour(label, QColor(128, 128, 128));
    label->adjustSize();
    return label;
}

QLabel* programPicture(QWidget* container, const char* name, int leftTwips, int topTwips) {
    auto* picture = designed(new Picture(container), name, leftTwips, topTwips, 2385, 2955);
    picture->setAccessibleName("Orvanta picture");
    picture->setPixmap(QPixmap(":/orvanta/orvanta.gif"));
    return picture;
}

}  // namespace orvanta
