// What the entry's text box costs per paint (a blink of the cursor paints as much), per focus
// change and per cursor movement, holding ten characters and holding a pasted 10 MiB; the costs
// should not differ. Runs on Qt's offscreen platform unless another one is chosen.
#include <benchmark/benchmark.h>

#include "controls/text_box.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace {

using orvanta::TextBox;

// A window with the box and a button to take the focus from it, the box `length` characters
// long: digits in groups of nine, as a number pasted with spaces would be.
struct Window {
    explicit Window(int length) {
        box = new TextBox(&window);
        box->setGeometry(24, 32, 73, 19);
        button = new QPushButton("Next >", &window);
        button->setGeometry(24, 64, 81, 25);
        QString text;
        text.reserve(length);
        while (text.size() < length) text += QStringLiteral("123456789 ");
        text.truncate(length);
        box->setText(text);
        window.show();
        window.activateWindow();
        QCoreApplication::processEvents();
        box->setFocus(Qt::TabFocusReason);
    }

    QWidget window;
    TextBox* box;
    QPushButton* button;
};

void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &event);
}

void BM_Paint(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    QImage image(window.box->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) window.box->render(&image);
}

// As a mouse press on "Next >" takes the focus, and Tab gives it back.
void BM_FocusOutAndIn(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.button->setFocus(Qt::MouseFocusReason);
        window.box->setFocus(Qt::TabFocusReason);
    }
    if (!window.box->hasFocus()) state.SkipWithError("the box never had the focus");
}

void BM_CharacterLeftAndRight(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    press(window.box, Qt::Key_End);
    for (auto _ : state) {
        press(window.box, Qt::Key_Left);
        press(window.box, Qt::Key_Right);
    }
}

void BM_WordLeftAndRight(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    press(window.box, Qt::Key_End);
    for (auto _ : state) {
        press(window.box, Qt::Key_Left, Qt::ControlModifier);
        press(window.box, Qt::Key_Right, Qt::ControlModifier);
    }
}

void BM_HomeAndEnd(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        press(window.box, Qt::Key_Home);
        press(window.box, Qt::Key_End);
    }
}

// A click in the middle of the box, as a mouse places the cursor.
void BM_Click(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    const QPointF point(window.box->width() / 2.0, window.box->height() / 2.0);
    const QPointF global = window.box->mapToGlobal(point);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.box, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window.box, &release);
    }
}

// What a screen reader asks after each move of the cursor: the character and the word there, here
// in the middle of the text.
void BM_ScreenReaderAtCursor(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    window.box->setCursorPosition(static_cast<int>(state.range(0) / 2));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(window.box)->textInterface();
    int start = 0;
    int end = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(text->textAtOffset(-2, QAccessible::CharBoundary, &start, &end));
        benchmark::DoNotOptimize(text->textAtOffset(-2, QAccessible::WordBoundary, &start, &end));
    }
}

void lengths(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(10)->Arg(1 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_Paint)->Apply(lengths);
BENCHMARK(BM_FocusOutAndIn)->Apply(lengths);
BENCHMARK(BM_CharacterLeftAndRight)->Apply(lengths);
BENCHMARK(BM_WordLeftAndRight)->Apply(lengths);
BENCHMARK(BM_HomeAndEnd)->Apply(lengths);
BENCHMARK(BM_Click)->Apply(lengths);
BENCHMARK(BM_ScreenReaderAtCursor)->Apply(lengths);
