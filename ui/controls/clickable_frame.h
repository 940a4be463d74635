#pragma once

#include "controls/caption_frame.h"

namespace orvanta {

// A frame without caption that reports a click on its own free area. A click on a label or a picture lying on
// the frame is that control's, and the frame does not report it.
class ClickableFrame : public CaptionFrame {
    Q_OBJECT

public:
    explicit ClickableFrame(QWidget* parent) : CaptionFrame(QString(), parent) {}

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool onFreeArea(const QMouseEvent* event) const;

    bool pressedOnFreeArea_ = false;
};

}  // namespace orvanta
