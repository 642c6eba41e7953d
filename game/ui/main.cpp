// zembrik: the Vortan game.
#include <QApplication>
#include <QIcon>

#include "main_frame.h"
#include "platform/application.h"
#include "platform/audio/sdl_audio.h"
#include "zembrik_view.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vortan::initApplication();
    // One audio device for the whole program; it outlives the window.
    vortan::SdlAudio audio;
    vortan::CMainFrame frame;
    frame.view()->useAudio(audio, audio.midi());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/game/zembrik.png")));
    frame.show();
    return app.exec();
}
