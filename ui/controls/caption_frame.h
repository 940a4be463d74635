#pragma once

#include <QGroupBox>

namespace orvanta {

// A frame around related controls: an etched rectangle whose top line runs
// through the middle of its caption, the caption standing at the upper left.
// Child positions are relative to the frame's outer corner.
class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    CaptionFrame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvanta
