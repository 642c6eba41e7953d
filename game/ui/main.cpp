// zembrik: the Vortan game.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

#include <optional>

#include "main_frame.h"
#include "platform/after_first_paint.h"
#include "platform/application.h"
#include "platform/audio/sdl_audio.h"
#include "platform/command_line.h"
#include "screen_composer.h"
#include "vortan/build_info.h"
#include "zembrik_view.h"

int main(int argc, char** argv) {
    QCommandLineParser parser;
    vortan::describeCommandLine(parser, QStringLiteral("Vortan, the sliding-box puzzle game."));
    int exitCode = 0;
    if (vortan::answerInfoRequest(parser, argc, argv, VORTAN_GAME_PROGRAM, exitCode)) return exitCode;

    QApplication app(argc, argv);
    vortan::initApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral(VORTAN_VERSION));
    // Ties the window to its desktop entry: icon and name on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORTAN_GAME_ID));
    // Before any thread starts: a bad option exits the program from here.
    parser.process(app);
    // The title picture decodes on a thread of its own while the window is
    // made, ready for the first paint.
    vortan::CScreenComposer::preloadTitle();
    // One audio device for the whole program; it outlives the window. Nothing
    // sounds before a game starts, so the device is opened only once the
    // window is up: the player sees the title picture sooner.
    std::optional<vortan::SdlAudio> audio;
    vortan::CMainFrame frame;
    vortan::AfterFirstPaint openAudio(frame.view(), [&] {
        // The sprite sheet decodes on a thread of its own while the player
        // looks at the title; a game started at once waits only for the rest.
        vortan::CScreenComposer::preloadArtwork();
        audio.emplace();
        frame.view()->useAudio(*audio, audio->midi());
    });
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/game/zembrik.png")));
    frame.show();
    // A board named on the command line is played as the Open command plays it.
    QTimer::singleShot(0, &frame, [&frame, files = parser.positionalArguments()] { frame.openFiles(files); });
    return app.exec();
}
