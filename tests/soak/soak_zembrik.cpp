// Soak test of the game window: long random runs of keys, clicks, menu
// commands and dialog answers, checking the game's invariants after each
// step. usage: soak_zembrik SECONDS [SEED]
#include <QAction>
#include <QMenuBar>
#include <QTest>

#include <filesystem>

#include "game/ui/main_frame.h"
#include "game/ui/zembrik_view.h"
#include "platform/audio/sdl_audio.h"
#include "soak_support.h"

using namespace vortan;
namespace fs = std::filesystem;

namespace {

// What may only move one way while one board is played.
struct Watch {
    std::uint32_t generation = ~0u;
    int boxes = 0;
    std::int32_t lives = 0, stars = 0, numbers = 0, nextNumber = 0;
};

int countBoxes(const PlayBoard& b) {
    int n = 0;
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) n += b.peek(x, y).box != 0;
    return n;
}

void check(const CZembrikDoc& doc, Watch& w) {
    const auto state = static_cast<std::int32_t>(doc.gameState());
    const auto outcome = static_cast<std::int32_t>(doc.gameOutcome);
    if (state < 0 || state > 8) soak::fail("game state out of range: " + std::to_string(state));
    if (outcome < 0 || outcome > 2) soak::fail("outcome out of range: " + std::to_string(outcome));
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) {
            const PlayCell& c = doc.playBoard.peek(x, y);
            if (c.region < 0 || c.region > 5 || c.box < 0 || c.box > 9 || c.number < 0 || c.number > 9)
                soak::fail("cell code out of range at " + std::to_string(x) + "," + std::to_string(y));
        }
    const PlayBoard& b = doc.playBoard;
    if (doc.loadGeneration != w.generation) {
        w = Watch{doc.loadGeneration, countBoxes(b), doc.numberOfLives, doc.starBoxCount, doc.numberBoxCount,
                  b.nextNumber()};
        return;
    }
    const int boxes = countBoxes(b);
    if (boxes > w.boxes) soak::fail("boxes appeared: " + std::to_string(w.boxes) + " -> " + std::to_string(boxes));
    if (doc.numberOfLives != -3 && doc.numberOfLives > w.lives) soak::fail("lives grew");
    if (doc.starBoxCount > w.stars || doc.numberBoxCount > w.numbers) soak::fail("box counts grew");
    if (b.nextNumber() < w.nextNumber) soak::fail("next number went back");
    if (doc.timeLeft < -4 || doc.movesLeft < -4 || doc.numberBoxTimeLeft < -4 || doc.starBoxTimeLeft < -4)
        soak::fail("a countdown holds an unknown marker");
    w.boxes = boxes;
    w.lives = doc.numberOfLives == -3 ? w.lives : doc.numberOfLives;
    w.stars = doc.starBoxCount;
    w.numbers = doc.numberBoxCount;
    w.nextNumber = b.nextNumber();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: soak_zembrik SECONDS [SEED]\n");
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;

    // A data folder of its own with the shipped boards and demo.
    const fs::path home = fs::temp_directory_path() / ("vortan-soak-" + std::to_string(getpid()));
    fs::remove_all(home);
    fs::create_directories(home);
    QStringList boards;
    for (const auto& e : fs::directory_iterator(VORTAN_SOURCE_DIR "/data"))
        if (e.path().extension() == ".dat") {
            fs::copy_file(e.path(), home / e.path().filename());
            boards << QString::fromStdString((home / e.path().filename()).string());
        }
    setenv("VORTAN_HOME", home.c_str(), 1);
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    SdlAudio audio;
    CMainFrame frame;
    CZembrikView* view = frame.view();
    view->useAudio(audio, audio.midi());
    view->setAnimationWaits(false);
    view->clock().setInterval(15);  // many ticks per second of soak
    frame.show();

    soak::Random random(seed);
    soak::ModalAnswerer answerer(random, boards);
    QList<QAction*> commands;
    for (QAction* a : frame.findChildren<QAction*>()) {
        const int id = a->data().toInt();
        // Not the ones that leave the program or start others.
        if (id == kCmdAppExit || id == kCmdDesigner || id == kCmdWebLink || id == 0) continue;
        commands << a;
    }
    if (commands.isEmpty()) soak::fail("no menu commands found");

    Watch watch;
    const int rc = soak::runFor(seconds, [&] {
        const int r = random.below(100);
        if (r < 55) {
            static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                           Qt::Key_Space, Qt::Key_A,    Qt::Key_Return};
            QTest::keyClick(view, keys[random.below(random.chance(85) ? 4 : 7)]);
        } else if (r < 80) {
            const QPoint p(random.below(800), random.below(600));
            if (random.chance(20)) QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, p);
            else QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, p);
        } else if (r < 97) {
            QTest::qWait(random.below(40));
        } else {
            commands[random.below(static_cast<int>(commands.size()))]->trigger();
        }
        check(frame.doc(), watch);
    });
    std::printf("%d modal windows answered\n", answerer.answered);
    fs::remove_all(home);
    return rc;
}
