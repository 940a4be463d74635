#include "controls/clickable_frame.h"

#include <QMouseEvent>

namespace orvanta {

// Labels pass the mouse on to the frame beneath them, so where the click landed is asked of the frame.
bool ClickableFrame::onFreeArea(const QMouseEvent* event) const {
    const QPoint at = event->position().toPoint();
    return rect().contains(at) && childAt(at) == nullptr;
}

void ClickableFrame::mousePressEvent(QMouseEvent* event) {
    pressedOnFreeArea_ = event->button() == Qt::LeftButton && onFreeArea(event);
    event->accept();
}

void ClickableFrame::mouseReleaseEvent(QMouseEvent* event) {
    const bool released = pressedOnFreeArea_ && event->button() == Qt::LeftButton && onFreeArea(event);
    pressedOnFreeArea_ = false;
    event->accept();
    if (released) emit clicked();
}

}  // namespace orvanta
