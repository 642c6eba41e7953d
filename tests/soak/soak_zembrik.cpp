// Soak test of the game window: long random runs of keys, clicks, menu
// commands and dialog answers, checking the game's invariants after each
// step. usage: soak_zembrik SECONDS [SEED]
#include <QAction>
#include <QTest>

#include <memory>

#include "game/ui/main_frame.h"
#include "game/ui/zembrik_view.h"
#include "platform/audio/sdl_audio.h"
#include "soak_support.h"

using namespace vortan;

namespace {

// What may only move one way while one board is played.
struct Watch {
    std::uint32_t generation = ~0u;
    int boxes = 0;
    std::int32_t lives = 0, stars = 0, numbers = 0, nextNumber = 0;
};

void check(const CZembrikDoc& doc, Watch& w) {
    const auto state = static_cast<std::int32_t>(doc.gameState());
    const auto outcome = static_cast<std::int32_t>(doc.gameOutcome);
    if (state < 0 || state > 8 || outcome < 0 || outcome > 2)
        soak::fail("state or outcome out of range: " + std::to_string(state) + ", " + std::to_string(outcome));
    const PlayBoard& b = doc.playBoard;
    int boxes = 0;
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) {
            const PlayCell& c = b.peek(x, y);
            if (c.region < 0 || c.region > 5 || c.box < 0 || c.box > 9 || c.number < 0 || c.number > 9)
                soak::fail("cell code out of range at " + std::to_string(x) + "," + std::to_string(y));
            boxes += c.box != 0;
        }
    Watch now{doc.loadGeneration, boxes, doc.numberOfLives, doc.starBoxCount, doc.numberBoxCount, b.nextNumber()};
    if (now.generation == w.generation) {
        if (now.lives == -3) now.lives = w.lives;  // the marker, not a count
        if (now.boxes > w.boxes)
            soak::fail("boxes appeared: " + std::to_string(w.boxes) + " -> " + std::to_string(now.boxes));
        if (now.lives > w.lives) soak::fail("lives grew");
        if (now.stars > w.stars || now.numbers > w.numbers) soak::fail("box counts grew");
        if (now.nextNumber < w.nextNumber) soak::fail("next number went back");
    }
    if (doc.timeLeft < -4 || doc.movesLeft < -4 || doc.numberBoxTimeLeft < -4 || doc.starBoxTimeLeft < -4)
        soak::fail("a countdown holds an unknown marker");
    w = now;
}

}  // namespace

int main(int argc, char** argv) {
    // The shipped boards and demo, all of them, as the game finds them.
    return soak::main(argc, argv, {}, [](soak::Random& random) {
        struct Windows {
            SdlAudio audio;
            CMainFrame frame;
            QList<QAction*> commands;
            Watch watch;
        };
        auto w = std::make_shared<Windows>();
        CZembrikView* view = w->frame.view();
        view->useAudio(w->audio, w->audio.midi());
        view->setAnimationWaits(false);
        view->clock().setInterval(15);  // many ticks per second of soak
        w->frame.show();
        for (QAction* a : w->frame.findChildren<QAction*>()) {
            const int id = a->data().toInt();
            // Not the ones that leave the program or start others.
            if (id != kCmdAppExit && id != kCmdDesigner && id != kCmdWebLink && id != 0) w->commands << a;
        }
        if (w->commands.isEmpty()) soak::fail("no menu commands found");

        return [w, view, &random] {
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
                soak::pick(random, w->commands)->trigger();
            }
            check(w->frame.doc(), w->watch);
        };
    });
}
