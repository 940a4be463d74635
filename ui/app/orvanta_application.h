#pragma once

#include <QApplication>

namespace orvanta {

// The program's application object: its name "Orvanta", version and icon, the designed
// fonts and the user's regional settings. It runs until End; no window closing ends it.
// A run-time error that escapes a window's handler ends the program with the run-time error report.
class OrvantaApplication : public QApplication {
    Q_OBJECT

public:
    OrvantaApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace orvanta
