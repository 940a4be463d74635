#include "windows/frm_main.h"

#include "calc/run_time_error.h"
#include "calc/schedule.h"
#include "calc/validation.h"
#include "controls/caption_frame.h"
#include "controls/rule_line.h"
#include "controls/text_box.h"
#include "services/designed_control.h"
#include "services/entry_text.h"
#include "services/fonts.h"
#include "services/handler.h"
#include "services/key_press.h"
#include "services/message_box.h"
#include "windows/exit_confirmation.h"
#include "windows/frm_output.h"
#include "windows/frm_splash.h"
#include "windows/program_identity.h"

#include <QLabel>
#include <QPushButton>

namespace orvanta {

namespace {

// A text box is spoken by the caption of the label above it.
TextBox* textBox(QWidget* frame, const char* name, const QString& spokenName, int left, int width) {
    auto* box = designed(new TextBox(frame), name, left, 480, width, 285);
    box->setAccessibleName(spokenName);
    return box;
}

QLabel* caption(QWidget* frame, const char* name, const QString& text, int left, int width) {
    auto* label = designed(new QLabel(text, frame), name, left, 240, width, 255);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

frmMain::frmMain() {
    setObjectName("frmMain");
    setWindowTitle(programName);
    setFixedSingleBorder(7530, 4125);
    keepDesignedFont(*this);
    setStartUpCentreScreen();

    cmdCredits = designedButton(this, "cmdCredits", "Credits", 240, 3600, 1095);
    fraData = designed(new CaptionFrame("Enter the data:", this), "fraData", 2760, 840, 4455, 2535);
    txtAmount = textBox(fraData, "txtAmount", "Amount", 360, 1095);
    txtTerms = textBox(fraData, "txtTerms", "Terms", 3240, 855);
    txtRate = textBox(fraData, "txtRate", "Rate", 1920, 855);
    lblDir = designed(new QLabel(fraData), "lblDir", 360, 960, 3735, 1455);
    lblDir->setFont(designFont("Times New Roman", 8.25));
    lblDir->setWordWrap(true);
    lblDir->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAmount = caption(fraData, "lblAmount", "Amount:", 360, 735);
    lblRate = caption(fraData, "lblRate", "Rate:", 1920, 495);
    lblTerms = caption(fraData, "lblTerms", "Terms:", 3240, 735);
    cmdExit = designedButton(this, "cmdExit", "Exit", 4560, 3600, 1215);
    cmdCalculate = designedButton(this, "cmdCalculate", "Next >", 6000, 3600, 1215);
    Line1 = new RuleLine(240, 7200, 3480, QColor(128, 128, 128), this);
    Line1->setObjectName("Line1");
    Line1->setAccessibleName("Rule above the buttons");
    lblProductName[0] = productNameLabel(0, this, 2460, 0);
    lblProductName[1] = productNameLabel(1, this, 2520, 45);
    Image1 = programPicture(this, "Image1", 120, 720);

    layDrawnElements({Line1, lblProductName[0], lblProductName[1], Image1});

    setTabOrder(txtAmount, txtRate);
    setTabOrder(txtRate, txtTerms);
    setTabOrder(txtTerms, cmdCalculate);
    setTabOrder(cmdCalculate, cmdExit);
    setTabOrder(cmdExit, cmdCredits);
    txtAmount->setFocus();

    connect(cmdCalculate, &QPushButton::clicked, this, handlerSlot(this, &frmMain::cmdCalculate_Click));
    connect(cmdCredits, &QPushButton::clicked, this, handlerSlot(this, &frmMain::cmdCredits_Click));
    connect(cmdExit, &QPushButton::clicked, this, handlerSlot(this, &frmMain::cmdExit_Click));
    onKeyPress(txtTerms, [this](std::int16_t& KeyAscii) { txtTerms_KeyPress(KeyAscii); });
}

void frmMain::Form_Load() {
    const auto append = [this](const QString& text) { lblDir->setText(lblDir->text() + text); };
    append("Directions:\r\n* Amount - the amount you want to borrow.");
    append("\r\n* Rate - interest rate that you will pay.");
    append("\r\n* Terms - number of years you want to borrow the money for.");
    append("\r\nAfter entering the Terms, press Enter or click Next.");
}

void frmMain::Form_Unload(std::int16_t& cancel) {
    if (!confirmExit()) cancel = 1;
}

void frmMain::cmdCalculate_Click() {
    const EntryText amount(txtAmount->text());
    const EntryText rate(txtRate->text());
    const EntryText terms(txtTerms->text());
    if (!ValidateData(amount.view(), rate.view(), terms.view())) {
        MsgBox("Please make sure you enter valid data into each field.", MsgBoxStyle::Information, programName);
        return;
    }

    Hide();
    frmOutput& output = windowInstance<frmOutput>();
    try {
        CalculateSchedule(amount.view(), rate.view(), terms.view(), output);
    } catch (const RunTimeError& error) {
        // A typo such as terms "0" must not cost the user the program: the partly filled result
        // window goes unseen (its Unload handler brings this window back) and the fault is reported.
        output.Unload();
        showRunTimeError(error);
        return;
    }
    output.Show();
}

void frmMain::cmdCredits_Click() { windowInstance<frmSplash>().Show(Window::Modal); }

void frmMain::cmdExit_Click() { confirmExit(); }

void frmMain::txtTerms_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii == 13) cmdCalculate_Click();
}

}  // namespace orvanta
