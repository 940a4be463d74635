#include "services/modal_owner.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace orvanta {

namespace {

// The modal window that takeKeyboardBack is hiding and showing again, for that moment only. Window's
// hideEvent reads it through isBeingShownAgain, so that this hide does not end the modal wait.
const QWidget* shownAgain = nullptr;

// X11 window managers honour a request to activate the modal window. A Wayland compositor may
// refuse it (mutter does, the click's serial being spent), but it gives a window it maps the
// keyboard: the modal window is hidden and shown again.
void takeKeyboardBack(QWidget& modal) {
    modal.raise();
    if (QGuiApplication::platformName() != "wayland") {
        modal.activateWindow();
        return;
    }
    shownAgain = &modal;
    modal.hide();
    modal.show();
    shownAgain = nullptr;
}

bool isMainWindowUp(const QWidget* widget) {
    return widget != nullptr && widget->isWindow() && widget->isVisible() && widget->windowType() == Qt::Window;
}

}  // namespace

QWidget* modalOwner(const QWidget* modal) {
    // At most one main window is up at a time; the active one wins should two ever be.
    QWidget* active = QApplication::activeWindow();
    if (active != modal && isMainWindowUp(active)) return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != modal && isMainWindowUp(window)) return window;
    }
    return nullptr;
}

void belongToOwner(QWidget& modal) {
    QWidget* owner = modalOwner(&modal);
    modal.winId();  // the transient parent is a property of the native window
    if (owner != nullptr) owner->winId();
    modal.windowHandle()->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
}

void keepModalInCharge() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qGuiApp, [](QWindow* focused) {
        QWidget* modal = QApplication::activeModalWidget();
        if (focused == nullptr || modal == nullptr || !modal->isVisible()) return;
        // The modal window itself, or a menu of it, may have the keyboard.
        for (const QWindow* window = focused; window != nullptr; window = window->transientParent()) {
            if (window == modal->windowHandle()) return;
        }
        takeKeyboardBack(*modal);
    });
}

bool isBeingShownAgain(const QWidget& window) { return shownAgain == &window; }

}  // namespace orvanta
