#pragma once

#include <QLabel>

namespace orvanta {

// A label whose text always runs left to right from its start, whatever the script of its first
// letters, so that a value too wide for the box shows its start and is cut at the right edge.
class ValueLabel : public QLabel {
    Q_OBJECT

public:
    explicit ValueLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvanta
