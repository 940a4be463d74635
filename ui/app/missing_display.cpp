#include "app/missing_display.h"

#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#ifdef ORVANTA_X11
#include <xcb/xcb.h>
#endif
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && __has_include(<dlfcn.h>)
#include <dlfcn.h>
#define ORVANTA_WAYLAND_LOG
#endif

namespace orvanta {

namespace {

QtMessageHandler qtHandler = nullptr;
bool x11Failed = false;
QString unopenedDisplay;  // as the X11 platform names it; empty when DISPLAY is
bool waylandUnreached = false;
bool runtimeDirMissing = false;  // libwayland finds its sockets in XDG_RUNTIME_DIR
QStringList failedPlatforms;     // in the order Qt tried them

bool inCategory(const QMessageLogContext& context, const char* category) {
    return context.category && std::strcmp(context.category, category) == 0;
}

QString waylandFailure() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    QString failure = name.isEmpty() ? QString("WAYLAND_DISPLAY is not set")
                                     : QString("WAYLAND_DISPLAY \"%1\" could not be reached").arg(name);
    if (runtimeDirMissing) failure += " (XDG_RUNTIME_DIR is not set)";
    return failure;
}

QString x11Failure() {
    return unopenedDisplay.isEmpty() ? QString("DISPLAY is not set")
                                     : QString("DISPLAY \"%1\" could not be reached").arg(unopenedDisplay);
}

// Names what was tried, in Qt's order: "one: WAYLAND_DISPLAY "wayland-9" could not be reached and DISPLAY
// is not set". A lone X display keeps the short form, "display ":1"".
QString whatFailed() {
    QStringList failures;
    for (const QString& platform : failedPlatforms) {
        QString failure = QString("the Qt platform \"%1\" could not start").arg(platform);
        if (platform.startsWith("wayland") && waylandUnreached) failure = waylandFailure();
        if (platform == "xcb" && x11Failed) failure = x11Failure();
        if (!failures.contains(failure)) failures << failure;
    }
    if (failures.isEmpty()) return "one";
    if (failures == QStringList{x11Failure()} && !unopenedDisplay.isEmpty())
        return QString("display \"%1\"").arg(unopenedDisplay);
    return "one: " + failures.join(" and ");
}

[[noreturn]] void endWith(const QString& line) {
    // Qt may report a broken connection from more than one thread; the first one speaks and ends it.
    static std::atomic_flag ending;
    if (ending.test_and_set())
        for (;;) std::this_thread::yield();
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::_Exit(EXIT_FAILURE);  // nothing is left to tidy up: the display, and with it every window, is gone
}

QString lostDisplay(const QString& what) { return "Orvanta lost its graphical display: " + what + "."; }

QString lostX11() {
    return lostDisplay(
        QString("the connection to the X server of DISPLAY \"%1\" broke").arg(qEnvironmentVariable("DISPLAY")));
}

// Painting can notice a dead X server before Qt's own check does, and warns about it first.
bool x11ConnectionBroken() {
#ifdef ORVANTA_X11
    const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr && x11->connection() != nullptr && xcb_connection_has_error(x11->connection()) != 0;
#else
    return false;
#endif
}

// Qt first warns which display and which platform failed, then gives up with a fatal message. Once
// running, a display server that goes away gets one warning from Qt, which then ends the process.
void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString unconnected = "could not connect to display";
    if (inCategory(context, "qt.qpa.xcb") && message.startsWith(unconnected)) {
        x11Failed = true;
        unopenedDisplay = message.mid(unconnected.size()).trimmed();
        return;
    }
    if (message.startsWith("Failed to create wl_display")) {
        waylandUnreached = true;
        return;
    }
    if (waylandUnreached && inCategory(context, "qt.qpa.wayland")) return;  // its display is not there
    if (inCategory(context, "qt.qpa.plugin") && message.startsWith("Could not")) {
        failedPlatforms << message.section('"', 1, 1);
        return;
    }
    // Qt 6.5 and later blame a missing libxcb-cursor0 whenever xcb fails, though here it was the display.
    if (x11Failed && inCategory(context, "qt.qpa.plugin") && message.contains("xcb-cursor0")) return;
    if (type == QtFatalMsg && message.contains("no Qt platform plugin could be initialized")) {
        std::fprintf(stderr, "Orvanta needs a graphical display and could not open %s.\n", qPrintable(whatFailed()));
        std::_Exit(EXIT_FAILURE);  // the application object is half made: nothing is left to tidy up
    }
    if (message.startsWith("The X11 connection broke") || (inCategory(context, "qt.qpa.xcb") && x11ConnectionBroken()))
        endWith(lostX11());
    const QString waylandName = qEnvironmentVariable("WAYLAND_DISPLAY", "wayland-0");
    if (message.startsWith("The Wayland connection broke"))
        endWith(lostDisplay(
            QString("the connection to the Wayland compositor of WAYLAND_DISPLAY \"%1\" broke").arg(waylandName)));
    const QString waylandError = "The Wayland connection experienced a fatal error: ";
    if (message.startsWith(waylandError))
        endWith(lostDisplay(QString("the connection to the Wayland compositor of WAYLAND_DISPLAY \"%1\" failed (%2)")
                                .arg(waylandName, message.mid(waylandError.size()))));
    qtHandler(type, context, message);
}

#ifdef ORVANTA_WAYLAND_LOG
// libwayland writes its own complaints to stderr, beside Qt's; the one about XDG_RUNTIME_DIR becomes
// part of our line, the rest go out as before.
void handleWaylandLog(const char* format, va_list arguments) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    if (std::strstr(text, "XDG_RUNTIME_DIR") != nullptr) {
        runtimeDirMissing = true;
        return;
    }
    std::fputs(text, stderr);
}

// Loading the library first gives the Wayland platform this same copy, with our handler in it.
void catchWaylandLog() {
    void* wayland = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (wayland == nullptr) return;  // then Qt cannot use Wayland either
    using SetHandler = void (*)(void (*)(const char*, va_list));
    if (auto setHandler = reinterpret_cast<SetHandler>(dlsym(wayland, "wl_log_set_handler_client")))
        setHandler(handleWaylandLog);
}
#else
void catchWaylandLog() {}
#endif

}  // namespace

void explainMissingDisplay() {
    qtHandler = qInstallMessageHandler(handleMessage);
    catchWaylandLog();
}

}  // namespace orvanta
