#pragma once

#include "services/window.h"

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QPushButton;

namespace orvanta {

class RuleLine;
class TextBox;

// The entry window: the amount, rate and terms of a loan, the directions, and "Next >" to the
// schedule. It is never unloaded while the program runs, so the entries outlive every trip to
// the result window and back.
class frmMain : public Window {
    Q_OBJECT

public:
    frmMain();

    // Handlers
    void Form_Load() override;
    void Form_Unload(std::int16_t& cancel) override;
    void cmdCalculate_Click();
    void cmdCredits_Click();
    void cmdExit_Click();
    void txtTerms_KeyPress(std::int16_t& KeyAscii);

    // Controls, in the order they were designed.
    QPushButton* cmdCredits;
    QGroupBox* fraData;
    TextBox* txtAmount;
    TextBox* txtTerms;
    TextBox* txtRate;
    QLabel* lblDir;
    QLabel* lblAmount;
    QLabel* lblRate;
    QLabel* lblTerms;
    QPushButton* cmdExit;
    QPushButton* cmdCalculate;
    RuleLine* Line1;
    std::array<QLabel*, 2> lblProductName;
    QLabel* Image1;
};

}  // namespace orvanta
