// The board designer: one window editing one board file at a time.
// `designer FILE` opens FILE at start.
#include <QApplication>
#include <QPalette>

#include "main_frame.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    QCoreApplication::setOrganizationName(QString());
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vortan Designer"));

    vortan::designer::CMainFrame frame;
    frame.show();
    frame.openFromArguments(QCoreApplication::arguments().mid(1));
    return app.exec();
}
