// The yardstick for the game's start: a bare Qt Widgets window of the size
// the game's table is designed at, with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
