#pragma once

class QWidget;
class QWindow;

namespace orvanta {

// The window a modal window or message box belongs to: the program's main window that is up,
// or none. The program itself never names an owner; the owner makes the modal window transient
// for it (X11 WM_TRANSIENT_FOR, Wayland xdg_toplevel.set_parent), which is how a window manager
// or a compositor keeps the modal window above its window and places it there.
QWidget* modalOwner(const QWidget* modal);

// Makes the modal window transient for its owner. Call before it is shown.
void belongToOwner(QWidget& modal);

// While a modal window is up, a click on the window beneath it (which a compositor may focus)
// hands the keyboard straight back to the modal window, so no key is lost in a window that
// takes no input. It acts only where the compositor does give that window the keyboard: mutter 43
// under Qt 6.4 does; mutter 48 and KWin 6, told by Qt 6.8 that the window is modal
// (xdg_dialog_v1), keep the keyboard with it themselves. Installed once by the first modal window.
void keepModalInCharge();

// Whether the window is being shown afresh to win the keyboard back: a hide that is no dismissal.
bool isBeingShownAgain(const QWidget& window);

}  // namespace orvanta
