// The yardstick for the program's start-up: a Qt Widgets program built as the program is that
// shows the windows the program first shows, empty: a window of the entry window's size and a
// borderless dialog of the credits window's size over it, and nothing else.
#include <QApplication>
#include <QWidget>
#include <QWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowRole("bare");  // how bench/start_up_bench.py finds it on X11
    window.setFixedSize(502, 275);
    window.show();
    QWidget dialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    dialog.setFixedSize(472, 265);
    dialog.winId();
    dialog.windowHandle()->setTransientParent(window.windowHandle());
    dialog.show();
    return application.exec();
}
