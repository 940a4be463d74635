#pragma once

#include <QApplication>

namespace orvanta {

// The program's application object: its name "Orvanta", version and icon, the designed
// fonts and the user's regional settings. It runs until End; no window closing ends it.
// Run-time errors never reach it: each handler reports its own where Qt calls it (runHandler).
class OrvantaApplication : public QApplication {
    Q_OBJECT

public:
    OrvantaApplication(int& argc, char** argv);
};

}  // namespace orvanta
