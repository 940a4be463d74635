#include "ui/orvanta_application.h"

#include "calc/run_time_error.h"
#include "ui/fonts.h"
#include "ui/locale_regional_settings.h"
#include "ui/message_box.h"
#include "ui/program_identity.h"

#include <QIcon>

namespace orvanta {

OrvantaApplication::OrvantaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(programName);
    setApplicationVersion("1.00");
    setDesktopFileName("orvanta");
    QIcon icon;
    for (const char* size : {"16", "32", "48", "64", "128"})
        icon.addFile(QString(":/orvanta/orvanta-%1.png").arg(size));
    setWindowIcon(icon);
    setQuitOnLastWindowClosed(false);
    useOrvantaFonts();
    adoptUserRegionalSettings();
}

bool OrvantaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const RunTimeError& error) {
        ReportRunTimeError(error);
        return true;
    }
}

}  // namespace orvanta
