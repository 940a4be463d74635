#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QEventLoop;

namespace orvanta {

// Base of Orvanta's three windows (frmMain, frmOutput, frmSplash).
//
// A window class derives from Window, builds its controls in its constructor
// and puts its start-up code in Form_Load and its closing code in Form_Unload.
// Nobody constructs a window directly: each class has one global instance,
// reached through windowInstance<frmX>() (see below).
//
//   windowInstance<frmOutput>().Show();               // modeless, returns at once
//   windowInstance<frmSplash>().Show(Window::Modal);  // returns when hidden or unloaded
//   windowInstance<frmMain>().Hide();                 // keeps controls and contents
//   windowInstance<frmOutput>().Unload();             // true if Form_Unload let it go
class Window : public QWidget {
    Q_OBJECT

public:
    enum ShowMode { Modeless = 0, Modal = 1 };

    // Makes the window visible. Modal: application-modal, and the call returns
    // only when the window is hidden (Hide, Qt's hide() or close()), unloaded or
    // destroyed; the other windows take no input. A modal Show of a window whose
    // modal wait is still on is a programming error: it asserts in a debug build
    // and is refused otherwise, leaving the first wait as it was.
    // A window set to start centred is centred on the screen when first shown.
    void Show(ShowMode mode = Modeless);

    // Makes the window invisible, keeping its controls and their contents.
    // Hiding a modal window ends the modal wait.
    void Hide();

    // Raises Form_Unload with a cancel flag starting at 0. A non-zero flag keeps
    // the window exactly as it was (returns false). Otherwise the window is hidden,
    // forgotten by windowInstance (the next reference builds a fresh one) and
    // deleted once control is back in the event loop (returns true).
    // The title-bar close box goes through here too.
    bool Unload();

    // Handlers a window class overrides. Form_Load runs once, right after the
    // instance is created and before anybody else uses it; the window is invisible.
    virtual void Form_Load() {}
    virtual void Form_Unload(std::int16_t& cancel) { (void)cancel; }

    // Test seam: when set, every modal Show calls this once the modal wait has
    // begun (from inside the wait's event loop), so a test can dismiss the window
    // with Hide or Unload, or by sending it a key or a click. Pass {} to clear.
    using ModalResponder = std::function<void(Window&)>;
    static void setModalResponder(ModalResponder responder);

protected:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    // Fixed single border: the client area has the given size in twips, the user
    // cannot resize it, and there is no maximize button (minimize and close stay).
    void setFixedSingleBorder(int widthTwips, int heightTwips);
    // Centre on the screen when first shown, frame included once a window manager has framed it.
    void setStartUpCentreScreen();

    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    template <class W> friend W& windowInstance();
    template <class W> friend bool isLoaded();
    void attach(Window** registrySlot);
    void centreOnScreen();
    void showOnTop();
    void endModalWait();

    Window** registrySlot_ = nullptr;
    QEventLoop* modalWait_ = nullptr;
    bool centreWhenFirstShown_ = false;
    bool shownBefore_ = false;
    bool centreOnceFramed_ = false;
};

namespace detail {
template <class W> Window*& registrySlot() {
    static Window* instance = nullptr;
    return instance;
}
}  // namespace detail

// The one global instance of window class W. The first reference (and the first
// after an Unload) creates it and runs its Form_Load; it starts invisible.
// This is also Load: windowInstance<frmX>() on its own loads the window.
template <class W> W& windowInstance() {
    Window*& slot = detail::registrySlot<W>();
    if (slot == nullptr) {
        auto* window = new W;
        window->attach(&slot);
        window->Form_Load();
    }
    return static_cast<W&>(*slot);
}

// Whether W's instance exists, without creating it.
template <class W> bool isLoaded() { return detail::registrySlot<W>() != nullptr; }

}  // namespace orvanta
