#pragma once

#include <cstdint>
#include <functional>

class QKeyEvent;
class QWidget;

namespace orvanta {

// Calls handler(KeyAscii) for every key pressed in the control that yields a character, before
// the control itself sees the key; the key is not swallowed and reaches the control afterwards.
// The handler runs through runHandler, so a run-time error it raises is reported there.
void onKeyPress(QWidget* control, std::function<void(std::int16_t& KeyAscii)> handler);

// The character code of a key event, as the key-press handlers take it; 0 when the key yields
// no character (arrows, function keys, a modifier alone).
std::int16_t keyAsciiOf(const QKeyEvent& event);

}  // namespace orvanta
