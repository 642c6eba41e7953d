// The board designer: one window editing one board file at a time.
#include <QApplication>

#include "main_frame.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vortan::initApplication();

    vortan::designer::CMainFrame frame;
    frame.show();
    return app.exec();
}
