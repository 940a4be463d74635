#include "controls/value_label.h"

#include <QPainter>
#include <QStyle>

namespace orvanta {

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {}

// QLabel would take the direction from the first strong letter and so cut an Arabic-script
// value on the left.
void ValueLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int flags = QStyle::visualAlignment(Qt::LeftToRight, alignment()) | Qt::TextForceLeftToRight;
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(), foregroundRole());
}

}  // namespace orvanta
