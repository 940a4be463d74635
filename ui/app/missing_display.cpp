#include "missing_display.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orvanta {

namespace {

QtMessageHandler qtHandler = nullptr;
QString unopenedDisplay;  // as the X11 platform names it; empty when DISPLAY is
bool x11Failed = false;
QString failedPlatform;

bool inCategory(const QMessageLogContext& context, const char* category) {
    return context.category && std::strcmp(context.category, category) == 0;
}

QString whatFailed() {
    if (x11Failed && unopenedDisplay.isEmpty()) return "one: DISPLAY is not set";
    if (x11Failed) return QString("display \"%1\"").arg(unopenedDisplay);
    if (!failedPlatform.isEmpty()) return QString("one through the Qt platform \"%1\"").arg(failedPlatform);
    return "one";
}

// Qt first warns which display and which platform failed, then gives up with a fatal message.
void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString lostDisplay = "could not connect to display";
    if (inCategory(context, "qt.qpa.xcb") && message.startsWith(lostDisplay)) {
        x11Failed = true;
        unopenedDisplay = message.mid(lostDisplay.size()).trimmed();
        return;
    }
    if (inCategory(context, "qt.qpa.plugin") && message.startsWith("Could not")) {
        failedPlatform = message.section('"', 1, 1);
        return;
    }
    if (type == QtFatalMsg && message.contains("no Qt platform plugin could be initialized")) {
        std::fprintf(stderr, "Orvanta needs a graphical display and could not open %s.\n", qPrintable(whatFailed()));
        std::_Exit(EXIT_FAILURE);  // the application object is half made: nothing is left to tidy up
    }
    qtHandler(type, context, message);
}

}  // namespace

void explainMissingDisplay() { qtHandler = qInstallMessageHandler(handleMessage); }

}  // namespace orvanta
