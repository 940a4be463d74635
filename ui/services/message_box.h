#pragma once

#include <QString>

#include <functional>

namespace orvanta {

class RunTimeError;

// The message boxes the program shows, by their style numbers (a button set plus an icon, added up).
enum class MsgBoxStyle {
    Critical = 16,          // OK with the critical icon: the run-time error report
    YesNoExclamation = 52,  // Yes (the default) and No (4), exclamation icon (48)
    Information = 64,       // OK with the information icon
};

// The button that answered a message box.
enum class MsgBoxAnswer { Ok = 1, Yes = 6, No = 7 };

// A modal message box; returns the button pressed.
//   MsgBox("Please enter ...", MsgBoxStyle::Information, "Orvanta")         // -> Ok
//   MsgBox("Are you sure ...?", MsgBoxStyle::YesNoExclamation, "Orvanta")  // -> Yes or No
// Escape or the close box answers No on a Yes/No box and OK on an OK box.
MsgBoxAnswer MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title);

// The report of a run-time error that ends the program: a box titled "Orvanta"
// reading "Run-time error '11':" and, below, "Division by zero", with OK and the
// critical icon; after it is answered the program ends with exit status 1 (End).
void reportRunTimeError(const RunTimeError& error);
// The same box for a fault the program recovers from: the program goes on.
void showRunTimeError(const RunTimeError& error);

// Test seam: when set, MsgBox (and so the run-time error report) asks this
// instead of showing a real box; it receives the box and returns the answer.
struct MessageBoxRequest {
    QString prompt;
    MsgBoxStyle style = MsgBoxStyle::Information;
    QString title;
};
using MessageBoxResponder = std::function<MsgBoxAnswer(const MessageBoxRequest&)>;
void setMessageBoxResponder(MessageBoxResponder responder);  // {} restores real boxes

}  // namespace orvanta
