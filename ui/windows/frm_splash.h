#pragma once

#include "services/window.h"

#include <array>
#include <cstdint>

class QLabel;

namespace orvanta {

class ClickableFrame;

// The credits window: the shadowed product name, the version, the owner and notice lines and the
// picture. Always shown modal; any key that yields a character, or a click on the frame's free
// area, dismisses it.
class frmSplash : public Window {
    Q_OBJECT

public:
    frmSplash();

    // Handlers
    void Form_KeyPress(std::int16_t& KeyAscii);
    void Frame1_Click();

    // Controls, in the order they were designed.
    ClickableFrame* Frame1;
    QLabel* Label1;
    std::array<QLabel*, 2> lblProductName;
    QLabel* lblRights;
    QLabel* lblOwner;
    QLabel* lblVersion;
    QLabel* lblNotice;
    QLabel* imgOrvanta;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace orvanta
