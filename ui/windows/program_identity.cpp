#include "windows/program_identity.h"

#include "services/designed_control.h"
#include "services/fonts.h"
#include "services/theme_colours.h"

#include <QAccessibleWidget>
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

// The grey shadow beneath the title. On a dark theme the light title would not read on the designed
// grey, so the shadow takes the palette's dark shade instead, or any shade that the title reads on.
// Chosen as it is painted, so it follows the theme's palette whenever that arrives.
class TitleShadow : public QLabel {
public:
    TitleShadow(const QString& text, QWidget* container) : QLabel(text, container) {
        setTextColour(this, designedGrey);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        // Setting the role asks for another paint: only a change may, or the label repaints forever.
        const QPalette::ColorRole role = readableRole();
        if (foregroundRole() != role) setForegroundRole(role);
        QLabel::paintEvent(event);
    }

private:
    static inline const QColor designedGrey{128, 128, 128};

    QPalette::ColorRole readableRole() const {
        const QColor title = parentWidget()->palette().color(QPalette::WindowText);
        if (contrastRatio(title, designedGrey) >= readableContrast) return QPalette::WindowText;
        for (const auto role : {QPalette::Dark, QPalette::Shadow, QPalette::Mid}) {
            if (contrastRatio(title, palette().color(role)) >= readableContrast) return role;
        }
        return QPalette::Window;  // no shadow at all
    }
};

// The shadow repeats the title; screen readers are told it is not there, so each window has one title.
class HiddenShadow : public QAccessibleWidget {
public:
    explicit HiddenShadow(QWidget* shadow) : QAccessibleWidget(shadow, QAccessible::StaticText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* shadowAccessible(const QString&, QObject* object) {
    auto* shadow = dynamic_cast<TitleShadow*>(object);
    return shadow != nullptr ? new HiddenShadow(shadow) : nullptr;
}

}  // namespace

QLabel* productNameLabel(int index, QWidget* container, int leftTwips, int topTwips) {
    const QByteArray name = QByteArray("lblProductName(") + QByteArray::number(index) + ")";
    QAccessible::installFactory(shadowAccessible);  // Qt keeps a factory once, however often installed
    QLabel* label = index == 1 ? new TitleShadow(programName, container) : new QLabel(programName, container);
    // Qt made the label's accessible while building it, when it was no shadow yet: it is made afresh.
    if (index == 1)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(label)));
    designed(label, name.constData(), leftTwips, topTwips, 4665, 765);
    label->setFont(designFont("Arial", 32.25, QFont::Bold));
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
