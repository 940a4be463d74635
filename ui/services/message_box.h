#pragma once

#include <QString>

#include <functional>

namespace orvanta {

class RunTimeError;

// Message box styles: a button set plus an icon, added up.
struct MsgBoxStyle {
    static constexpr int OkOnly = 0;
    static constexpr int YesNo = 4;
    static constexpr int CriticalIcon = 16;
    static constexpr int WarningIcon = 48;
    static constexpr int InformationIcon = 64;
};

// The button that answered a message box.
struct MsgBoxAnswer {
    static constexpr int Ok = 1;
    static constexpr int Yes = 6;
    static constexpr int No = 7;
};

// A modal message box; returns the button pressed.
//   MsgBox("Please enter ...", 64, "Orvanta")     // OK with the information icon -> 1
//   MsgBox("Are you sure ...?", 52, "Orvanta")    // Yes (default) / No, warning icon -> 6 or 7
// (64 == MsgBoxStyle::InformationIcon, 52 == MsgBoxStyle::YesNo + MsgBoxStyle::WarningIcon)
// Escape or the close box answers No on a Yes/No box and OK on an OK box.
// Unsupported button sets throw RunTimeError 5.
int MsgBox(const QString& prompt, int style, const QString& title);

// The report of a run-time error that ends the program: a box titled "Orvanta"
// reading "Run-time error '11':" and, below, "Division by zero", with OK and the
// critical icon; after it is answered the program ends (End).
void reportRunTimeError(const RunTimeError& error);
// The same box for a fault the program recovers from: the program goes on.
void showRunTimeError(const RunTimeError& error);

// Test seam: when set, MsgBox (and so the run-time error report) asks this
// instead of showing a real box; it receives the box and returns the answer.
struct MessageBoxRequest {
    QString prompt;
    int style = 0;
    QString title;
};
using MessageBoxResponder = std::function<int(const MessageBoxRequest&)>;
void setMessageBoxResponder(MessageBoxResponder responder);  // {} restores real boxes

}  // namespace orvanta
