// zembrik: the Vortan game.
#include <QApplication>
#include <QIcon>

#include "main_frame.h"
#include "zembrik_view.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vortan Version 2.3"));
    vortan::CMainFrame frame;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/game/zembrik.png")));
    frame.show();
    return app.exec();
}
