#include "controls/caption_frame.h"

#include <QPainter>

namespace orvanta {

namespace {
constexpr int captionIndent = 8;
constexpr int captionPadding = 2;
}  // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect box = rect().adjusted(0, lineY, -2, -2);

    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));

    const QString caption = title();
    if (caption.isEmpty()) return;
    QRect captionRect(captionIndent, 0, metrics.horizontalAdvance(caption) + 2 * captionPadding, metrics.height());
    painter.fillRect(captionRect, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter, caption);
}

}  // namespace orvanta
