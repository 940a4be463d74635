#include "ui/frm_output.h"

#include "ui/caption_frame.h"
#include "ui/exit_confirmation.h"
#include "ui/fonts.h"
#include "ui/rule_line.h"
#include "ui/schedule_grid.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace orvanta {

namespace {

frmOutput::Navigation& navigation() {
    static frmOutput::Navigation current;
    return current;
}

template <class Control> Control* place(Control* control, const char* name, int left, int top, int width,
                                        int height) {
    control->setObjectName(name);
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

QLabel* caption(QWidget* in, const char* name, int top, const QString& text) {
    auto* label = place(new QLabel(text, in), name, 120, top, 735, 255);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

// Left-aligned, no border, fixed size: a wide value is cut off at the edge.
QLabel* value(QWidget* in, const char* name, int top) {
    auto* label = place(new QLabel(in), name, 960, top, 975, 255);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFixedSize(label->size());
    return label;
}

QLabel* productName(QWidget* in, const char* name, int left, int top) {
    auto* label = place(new QLabel("Orvanta", in), name, left, top, 4665, 765);
    label->setFont(designFont("Arial", 32.25, QFont::Bold));
    label->adjustSize();   // the size follows the caption
    return label;
}

}  // namespace

frmOutput::frmOutput() {
    setObjectName("frmOutput");
    setWindowTitle("Orvanta");
    setFixedSingleBorder(8190, 5085);
    setStartUpCentreScreen();

    // Drawn elements first, so the windowed controls stand above them; of two
    // drawn elements the one designed earlier is created later, so it is on top.
    lblProductName[1] = productName(this, "lblProductName(1)", 3300, 285);
    QPalette shadow = lblProductName[1]->palette();
    shadow.setColor(QPalette::WindowText, QColor(128, 128, 128));
    lblProductName[1]->setPalette(shadow);
    lblProductName[0] = productName(this, "lblProductName(0)", 3240, 240);
    Image1 = place(new QLabel(this), "Image1", 120, 1560, 2385, 2955);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);   // at its own size, not stretched
    Image1->setPixmap(QPixmap(":/orvanta/orvanta.gif"));
    Image1->setAccessibleName("Orvanta picture");
    Line1 = new RuleLine(240, 7920, 4320, QColor(128, 128, 128), this);
    Line1->setObjectName("Line1");
    Line1->setAccessibleName("Rule above the buttons");

    FGrid = place(new ScheduleGrid(this), "FGrid", 2760, 1200, 5175, 2895);
    FGrid->setAccessibleName("Schedule");
    cmdBack = place(new QPushButton("< Back", this), "cmdBack", 6720, 4560, 1215, 375);
    cmdExit = place(new QPushButton("Exit", this), "cmdExit", 5280, 4560, 1215, 375);
    fraData = place(new CaptionFrame("Data:", this), "fraData", 120, 120, 2175, 1335);
    Label1[3] = caption(fraData, "Label1(3)", 960, "Payment:");
    Label1[2] = caption(fraData, "Label1(2)", 720, "Rate:");
    Label1[1] = caption(fraData, "Label1(1)", 480, "Terms:");
    Label1[0] = caption(fraData, "Label1(0)", 240, "Amount:");
    lblPayment = value(fraData, "lblPayment", 960);
    lblTerms = value(fraData, "lblTerms", 480);
    lblRate = value(fraData, "lblRate", 720);
    lblAmount = value(fraData, "lblAmount", 240);
    cmdCredits = place(new QPushButton("Credits", this), "cmdCredits", 240, 4560, 1095, 375);

    setTabOrder(FGrid, cmdBack);
    setTabOrder(cmdBack, cmdExit);
    setTabOrder(cmdExit, cmdCredits);
    FGrid->setFocus();

    connect(cmdBack, &QPushButton::clicked, this, &frmOutput::cmdBack_Click);
    connect(cmdCredits, &QPushButton::clicked, this, &frmOutput::cmdCredits_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmOutput::cmdExit_Click);
}

void frmOutput::setNavigation(Navigation newNavigation) { navigation() = std::move(newNavigation); }

void frmOutput::setCaption(SummaryLabel label, const std::string& text) {
    QLabel* target = nullptr;
    switch (label) {
    case SummaryLabel::Amount: target = lblAmount; break;
    case SummaryLabel::Rate: target = lblRate; break;
    case SummaryLabel::Terms: target = lblTerms; break;
    case SummaryLabel::Payment: target = lblPayment; break;
    }
    target->setText(QString::fromStdString(text));
}

void frmOutput::AddItem(const std::string& item) { FGrid->AddItem(QString::fromStdString(item)); }

void frmOutput::setFixedRows(int rows) { FGrid->setFixedRows(rows); }

void frmOutput::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    FGrid->setFocus();
}

void frmOutput::cmdBack_Click() {
    Unload();
    if (navigation().showEntryWindow) navigation().showEntryWindow();
}

void frmOutput::cmdCredits_Click() {
    if (navigation().showCreditsWindow) navigation().showCreditsWindow();
}

void frmOutput::cmdExit_Click() { ConfirmExit(); }

void frmOutput::Form_Unload(std::int16_t&) {
    if (navigation().showEntryWindow) navigation().showEntryWindow();
}

}  // namespace orvanta
