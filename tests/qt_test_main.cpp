// Shared main of the window tests: one QApplication for the whole run, with the
// program's fonts. Windows are drawn offscreen unless a platform is chosen.
#include "services/fonts.h"

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    orvanta::useOrvantaFonts();
    return RUN_ALL_TESTS();
}
