// The yardstick for the game's start-up: a Qt window of the game's size with
// a menu bar and nothing else, started the same way.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt Window"));
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.resize(800, 619);
    window.show();
    return app.exec();
}
