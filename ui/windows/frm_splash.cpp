#include "windows/frm_splash.h"

#include "controls/clickable_frame.h"
#include "services/designed_control.h"
#include "services/fonts.h"
#include "services/handler.h"
#include "services/key_press.h"
#include "services/task_bar.h"
#include "services/theme_colours.h"
#include "windows/program_identity.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>

namespace orvanta {

namespace {

QLabel* textLabel(QWidget* frame, const char* name, const QString& text, int left, int top, int width, int height) {
    auto* label = designed(new QLabel(text, frame), name, left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// As a dialog, the window has a screen reader read its lines when it appears: the version, the
// owner line, the notices and the hint.
QAccessibleInterface* splashAccessible(const QString& className, QObject* object) {
    auto* splash = qobject_cast<frmSplash*>(object);
    return splash != nullptr && className == frmSplash::staticMetaObject.className()
               ? new QAccessibleWidget(splash, QAccessible::Dialog)
               : nullptr;
}

}  // namespace

frmSplash::frmSplash() {
    // First: with a screen reader listening, Qt 6.8 already makes the window's accessible interface
    // while its name and title are set, and keeps that one.
    QAccessible::installFactory(splashAccessible);  // Qt keeps a factory once, however often installed
    setObjectName("frmSplash");
    setWindowTitle(programName);
    // A borderless dialog, which window managers keep above the program's other windows, and
    // kept out of the task bar and the pager.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepOutOfTaskBar(*this);
    setFixedSize(sizeFromTwips(7080, 3975));
    keepDesignedFont(*this);
    // Artwork, like a splash screen: its blue and red lines were drawn for a light ground, so it
    // keeps the light palette whatever the theme.
    setPalette(designedLightPalette());
    setStartUpCentreScreen();

    // The frame reaches 80 twips above the window, so its top edge is out of sight.
    Frame1 = designed(new ClickableFrame(this), "Frame1", 0, -80, 7080, 4050);
    Frame1->setAccessibleName("Orvanta credits");

    Label1 = textLabel(Frame1, "Label1", "Click or Press a key to continue", 240, 3795, 2415, 255);

    lblProductName[0] = productNameLabel(0, Frame1, 1680, 600);

    lblRights = textLabel(Frame1, "lblRights", "\u00A9 2026 Orvanta", 4200, 3600, 1455, 255);
    lblRights->setFont(designFont("Arial", 8.25));

    lblOwner = textLabel(Frame1, "lblOwner", "Created by the Orvanta developers", 3000, 2400, 3255, 615);
    lblOwner->setFont(designFont("Times New Roman", 12, QFont::Bold));
    lblOwner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblOwner->setWordWrap(true);
    setTextColour(lblOwner, QColor(192, 0, 0));

    lblVersion = textLabel(Frame1, "lblVersion", "Version 2.0", 5640, 1680, 1275, 285);
    lblVersion->setFont(designFont("Arial", 12, QFont::Bold));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setTextColour(lblVersion, QColor(0, 0, 255));
    lblVersion->adjustSize();
    // Orca reads the lines of a dialog that have three words or more; this one reads as the program's.
    lblVersion->setAccessibleName(programName + ' ' + lblVersion->text());

    lblNotice = textLabel(Frame1, "lblNotice", "Figures are estimates only.", 3480, 3360, 2895, 255);
    lblNotice->setFont(designFont("Arial", 8.25));

    lblProductName[1] = productNameLabel(1, Frame1, 1725, 645);
    imgOrvanta = programPicture(Frame1, "imgOrvanta", 120, 1080);

    layDrawnElements(
        {Label1, lblProductName[0], lblRights, lblOwner, lblVersion, lblNotice, lblProductName[1], imgOrvanta});

    connect(Frame1, &ClickableFrame::clicked, this, handlerSlot(this, &frmSplash::Frame1_Click));
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    std::int16_t keyAscii = keyAsciiOf(*event);
    if (keyAscii == 0) return Window::keyPressEvent(event);
    runHandler([&] { Form_KeyPress(keyAscii); });
}

void frmSplash::Form_KeyPress(std::int16_t&) {
    Hide();
    Unload();
}

void frmSplash::Frame1_Click() {
    std::int16_t keyAscii = 13;
    Form_KeyPress(keyAscii);
}

}  // namespace orvanta
