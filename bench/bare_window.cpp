// The yardstick for the program's start-up: a Qt Widgets program built as the program is that
// shows one empty window of the entry window's size, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowRole("bare");  // how bench/start_up_bench.py finds it
    window.setFixedSize(502, 275);
    window.show();
    return application.exec();
}
