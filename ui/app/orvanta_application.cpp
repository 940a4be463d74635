#include "app/orvanta_application.h"

#include "program_version.h"
#include "services/fonts.h"
#include "services/locale_regional_settings.h"
#include "windows/program_identity.h"

#include <QIcon>

namespace orvanta {

OrvantaApplication::OrvantaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(programName);
    setApplicationVersion(programVersion);
    setDesktopFileName(ORVANTA_APP_ID);
    QIcon icon;
    for (const char* size : {"16", "32", "48", "64", "128"})
        icon.addFile(QString(":/orvanta/orvanta-%1.png").arg(size));
    setWindowIcon(icon);
    setQuitOnLastWindowClosed(false);
    useOrvantaFonts();
    adoptUserRegionalSettings();
}

}  // namespace orvanta
