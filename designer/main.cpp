// The board designer: one window editing one board file at a time.
// `designer FILE` opens FILE at start.
#include <QApplication>
#include <QCommandLineParser>

#include "main_frame.h"
#include "platform/application.h"
#include "platform/command_line.h"
#include "vortan/build_info.h"

int main(int argc, char** argv) {
    QCommandLineParser parser;
    vortan::describeCommandLine(parser, QStringLiteral("The board designer of the Vortan puzzle game."));
    int exitCode = 0;
    if (vortan::answerInfoRequest(parser, argc, argv, VORTAN_DESIGNER_PROGRAM, exitCode)) return exitCode;

    QApplication app(argc, argv);
    vortan::initApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral(VORTAN_VERSION));
    // Ties the window to its desktop entry: icon and name on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORTAN_DESIGNER_ID));
    parser.process(app);

    vortan::designer::CMainFrame frame;
    frame.show();
    frame.openFromArguments(QCoreApplication::arguments().mid(1));
    return app.exec();
}
