// zembrik: the Vortan game.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include "main_frame.h"
#include "platform/audio/sdl_audio.h"
#include "platform/command_line.h"
#include "vortan/build_info.h"
#include "zembrik_view.h"

int main(int argc, char** argv) {
    QCommandLineParser parser;
    vortan::describeCommandLine(parser, QStringLiteral("Vortan, the sliding-box puzzle game."));
    int exitCode = 0;
    if (vortan::answerInfoRequest(parser, argc, argv, VORTAN_GAME_PROGRAM, exitCode)) return exitCode;

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORTAN_VERSION));
    QApplication::setApplicationDisplayName(QStringLiteral("Vortan Version 2.3"));
    // Ties the window to its desktop entry: icon and name on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORTAN_GAME_ID));
    parser.process(app);
    // One audio device for the whole program; it outlives the window.
    vortan::SdlAudio audio;
    vortan::CMainFrame frame;
    frame.view()->useAudio(audio, audio.midi());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/game/zembrik.png")));
    frame.show();
    return app.exec();
}
