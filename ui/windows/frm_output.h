#pragma once

#include "calc/schedule.h"
#include "services/window.h"

#include <QString>

#include <array>

class QLabel;
class QPushButton;

namespace orvanta {

class CaptionFrame;
class RuleLine;
class ScheduleGrid;

// The result window: the summary of one loan, its schedule in FGrid, the
// shadowed product name, the picture and the buttons "< Back", "Exit" and
// "Credits". CalculateSchedule fills it through ScheduleView before it is shown.
class frmOutput : public Window, public ScheduleView {
    Q_OBJECT

public:
    frmOutput();

    // ScheduleView
    void setCaption(SummaryLabel label, const std::string& text) override;
    void AddItem(const std::string& item) override;
    void setFixedRows(int rows) override;

    // Handlers
    void cmdBack_Click();
    void cmdCredits_Click();
    void cmdExit_Click();
    void Form_Unload(std::int16_t& cancel) override;

    // Controls, in the order they were designed.
    QPushButton* cmdCredits;
    CaptionFrame* fraData;
    QLabel* lblAmount;
    QLabel* lblRate;
    QLabel* lblTerms;
    QLabel* lblPayment;
    std::array<QLabel*, 4> Label1;
    QPushButton* cmdExit;
    QPushButton* cmdBack;
    ScheduleGrid* FGrid;
    RuleLine* Line1;
    QLabel* Image1;
    std::array<QLabel*, 2> lblProductName;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace orvanta
