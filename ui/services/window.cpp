#include "services/window.h"

#include "services/handler.h"
#include "services/modal_owner.h"
#include "services/twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QTimer>

namespace orvanta {

namespace {
Window::ModalResponder& modalResponder() {
    static Window::ModalResponder responder;
    return responder;
}
}  // namespace

Window::Window(QWidget* parent) : QWidget(parent) {}

Window::~Window() {
    endModalWait();
    if (registrySlot_ != nullptr && *registrySlot_ == this) *registrySlot_ = nullptr;
}

void Window::setModalResponder(ModalResponder responder) { modalResponder() = std::move(responder); }

void Window::attach(Window** registrySlot) {
    // The X window role carries the class name, so scripts and window managers can tell the windows apart.
    setWindowRole(objectName());
    registrySlot_ = registrySlot;
    *registrySlot_ = this;
}

void Window::setFixedSingleBorder(int widthTwips, int heightTwips) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(sizeFromTwips(widthTwips, heightTwips));
}

void Window::setStartUpCentreScreen() { centreWhenFirstShown_ = true; }

void Window::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // move() places the frame; before the first show its size is only known without the border.
    QRect placed = isVisible() ? frameGeometry() : QRect(QPoint(), size());
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
}

void Window::showOnTop() {
    const bool centre = !shownBefore_ && centreWhenFirstShown_;
    shownBefore_ = true;
    if (centre) centreOnScreen();
    show();
    if (centre) {
        centreOnScreen();  // again, should the frame be known already
        centreOnceFramed_ = frameGeometry() == geometry();
    }
    raise();
    activateWindow();
}

void Window::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager reports the move that framing the window caused; only then is the frame known.
    if (centreOnceFramed_ && frameGeometry() != geometry()) {
        centreOnceFramed_ = false;
        centreOnScreen();
    }
}

void Window::Show(ShowMode mode) {
    if (mode == Modeless) {
        showOnTop();
        return;
    }

    if (modalWait_ != nullptr) {
        // The caller of the first Show still waits for this window; a second wait would strand it.
        Q_ASSERT_X(false, "Window::Show", "modal Show of a window that is already modal");
        return;
    }

    // Modality only takes effect on a window that is shown afresh.
    if (isVisible()) hide();
    setWindowModality(Qt::ApplicationModal);
    belongToOwner(*this);
    keepModalInCharge();
    showOnTop();

    QPointer<Window> self(this);
    QEventLoop wait;
    modalWait_ = &wait;
    if (modalResponder()) {
        QTimer::singleShot(0, &wait, [self] {
            if (self && modalResponder()) runHandler([&] { modalResponder()(*self); });
        });
    }
    if (isVisible()) wait.exec();  // the window may have gone while it was being shown
    if (self) {
        self->modalWait_ = nullptr;
        self->setWindowModality(Qt::NonModal);
    }
}

void Window::Hide() { hide(); }

void Window::endModalWait() {
    if (modalWait_ != nullptr) modalWait_->quit();
    modalWait_ = nullptr;
}

bool Window::Unload() {
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) return false;

    Hide();
    if (registrySlot_ != nullptr && *registrySlot_ == this) *registrySlot_ = nullptr;
    registrySlot_ = nullptr;
    deleteLater();
    return true;
}

void Window::closeEvent(QCloseEvent* event) {
    // Unload hides the window itself when it lets it go; Qt must not close it as well.
    event->ignore();
    runHandler([this] { Unload(); });
}

void Window::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A spontaneous hide is the window system's (the window minimized): it is still up. So is a
    // modal window that modal_owner.cpp hides and shows again at once to win the keyboard back on
    // Wayland; the flag it sets for that moment is read here, and nowhere else.
    if (!event->spontaneous() && !isBeingShownAgain(*this)) endModalWait();
}

}  // namespace orvanta
