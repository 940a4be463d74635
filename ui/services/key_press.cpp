#include "services/key_press.h"

#include "services/handler.h"

#include <QKeyEvent>
#include <QWidget>

namespace orvanta {

namespace {

class KeyPressRelay : public QObject {
public:
    KeyPressRelay(QWidget* control, std::function<void(std::int16_t&)> handler)
        : QObject(control), handler_(std::move(handler)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        std::int16_t keyAscii = keyAsciiOf(static_cast<const QKeyEvent&>(*event));
        if (keyAscii != 0) runHandler([&] { handler_(keyAscii); });
        return false;
    }

private:
    std::function<void(std::int16_t&)> handler_;
};

}  // namespace

void onKeyPress(QWidget* control, std::function<void(std::int16_t& KeyAscii)> handler) {
    new KeyPressRelay(control, std::move(handler));
}

std::int16_t keyAsciiOf(const QKeyEvent& event) {
    const QString text = event.text();
    return text.isEmpty() ? 0 : static_cast<std::int16_t>(text.front().unicode());
}

}  // namespace orvanta
