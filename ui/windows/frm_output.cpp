#include "windows/frm_output.h"

#include "controls/caption_frame.h"
#include "controls/rule_line.h"
#include "controls/schedule_grid.h"
#include "controls/value_label.h"
#include "services/designed_control.h"
#include "services/fonts.h"
#include "services/handler.h"
#include "windows/exit_confirmation.h"
#include "windows/frm_main.h"
#include "windows/frm_splash.h"
#include "windows/program_identity.h"

#include <QLabel>
#include <QPushButton>

#include <string_view>

namespace orvanta {

namespace {

QLabel* caption(QWidget* frame, const char* name, int top, const QString& text) {
    auto* label = designed(new QLabel(text, frame), name, 120, top, 735, 255);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

// Left-aligned, no border, fixed size: a wide value is cut off at the right edge, whatever its script.
QLabel* value(QWidget* frame, const char* name, int top) {
    auto* label = designed(new ValueLabel(frame), name, 960, top, 975, 255);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFixedSize(label->size());
    return label;
}

}  // namespace

frmOutput::frmOutput() {
    setObjectName("frmOutput");
    setWindowTitle(programName);
    setFixedSingleBorder(8190, 5085);
    keepDesignedFont(*this);
    setStartUpCentreScreen();

    cmdCredits = designedButton(this, "cmdCredits", "Credits", 240, 4560, 1095);
    fraData = designed(new CaptionFrame("Data:", this), "fraData", 120, 120, 2175, 1335);
    lblAmount = value(fraData, "lblAmount", 240);
    lblRate = value(fraData, "lblRate", 720);
    lblTerms = value(fraData, "lblTerms", 480);
    lblPayment = value(fraData, "lblPayment", 960);
    Label1[0] = caption(fraData, "Label1(0)", 240, "Amount:");
    Label1[1] = caption(fraData, "Label1(1)", 480, "Terms:");
    Label1[2] = caption(fraData, "Label1(2)", 720, "Rate:");
    Label1[3] = caption(fraData, "Label1(3)", 960, "Payment:");
    cmdExit = designedButton(this, "cmdExit", "Exit", 5280, 4560, 1215);
    cmdBack = designedButton(this, "cmdBack", "< Back", 6720, 4560, 1215);
    FGrid = designed(new ScheduleGrid(this), "FGrid", 2760, 1200, 5175, 2895);
    FGrid->setAccessibleName("Schedule");
    Line1 = new RuleLine(240, 7920, 4320, QColor(128, 128, 128), this);
    Line1->setObjectName("Line1");
    Line1->setAccessibleName("Rule above the buttons");
    Image1 = programPicture(this, "Image1", 120, 1560);
    lblProductName[0] = productNameLabel(0, this, 3240, 240);
    lblProductName[1] = productNameLabel(1, this, 3300, 285);

    layDrawnElements({Line1, Image1, lblProductName[0], lblProductName[1]});

    setTabOrder(FGrid, cmdBack);
    setTabOrder(cmdBack, cmdExit);
    setTabOrder(cmdExit, cmdCredits);
    FGrid->setFocus();

    connect(cmdBack, &QPushButton::clicked, this, handlerSlot(this, &frmOutput::cmdBack_Click));
    connect(cmdCredits, &QPushButton::clicked, this, handlerSlot(this, &frmOutput::cmdCredits_Click));
    connect(cmdExit, &QPushButton::clicked, this, handlerSlot(this, &frmOutput::cmdExit_Click));
}

void frmOutput::setCaption(SummaryLabel label, const std::string& text) {
    QLabel* target = nullptr;
    switch (label) {
    case SummaryLabel::Amount: target = lblAmount; break;
    case SummaryLabel::Rate: target = lblRate; break;
    case SummaryLabel::Terms: target = lblTerms; break;
    case SummaryLabel::Payment: target = lblPayment; break;
    }
    // The label is cut off at its edge, and no character is narrower than a pixel: converting and
    // laying out the rest of a pasted entry a million characters long would show nothing more.
    const int shown = target->width();
    const std::string_view head = std::string_view(text).substr(0, 4 * static_cast<std::size_t>(shown));  // UTF-8
    target->setText(QString::fromUtf8(head.data(), static_cast<qsizetype>(head.size())).left(shown));
}

void frmOutput::AddItem(const std::string& item) { FGrid->AddItem(QString::fromStdString(item)); }

void frmOutput::setFixedRows(int rows) { FGrid->setFixedRows(rows); }

void frmOutput::showEvent(QShowEvent* event) {
    // Read with the grid as it takes the focus: the one figure the program gives, without a hunt.
    QStringList summary;
    for (const auto& [caption, value] : {std::pair{Label1[0], lblAmount}, std::pair{Label1[1], lblTerms},
                                         std::pair{Label1[2], lblRate}, std::pair{Label1[3], lblPayment}})
        summary << caption->text() + ' ' + value->text();
    FGrid->setAccessibleDescription(summary.join(", "));
    Window::showEvent(event);
    // The opening row's balance, the first cell that always holds a figure.
    if (!FGrid->currentIndex().isValid() && FGrid->Rows() > 1) FGrid->setCurrentCell(1, 4);
    FGrid->setFocus();
}

void frmOutput::cmdBack_Click() {
    Unload();
    windowInstance<frmMain>().Show();
}

void frmOutput::cmdCredits_Click() { windowInstance<frmSplash>().Show(Window::Modal); }

void frmOutput::cmdExit_Click() { confirmExit(); }

void frmOutput::Form_Unload(std::int16_t&) { windowInstance<frmMain>().Show(); }

}  // namespace orvanta
