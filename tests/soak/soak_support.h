// Shared pieces of the soak programs: a seeded random source, an answer
// at random to whatever modal window comes up, and the run around the
// program's own random steps. usage: soak_... SECONDS [SEED]
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "game/generate/rng.h"
#include "tests/support/modal_answerer.h"

namespace soak {

// The game's own deterministic generator: a failing run is repeated by its seed.
using Random = vortan::Rng;

template <typename List>
auto& pick(Random& random, const List& list) {
    return list[random.below(static_cast<int>(list.size()))];
}

[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "SOAK FAILURE: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// Answers a modal window: sometimes fiddles with its radio buttons and
// edits, then presses one of its push buttons (or closes it). File dialogs
// get one of `files` or are cancelled.
inline void answerModal(QWidget* w, Random& random, const QStringList& files) {
    if (auto* fd = qobject_cast<QFileDialog*>(w)) {
        if (files.isEmpty() || random.chance(30)) return fd->reject();
        return vortan::testing::chooseFile(fd, pick(random, files));
    }
    const auto radios = w->findChildren<QRadioButton*>();
    for (int i = random.below(4); i > 0 && !radios.isEmpty(); --i) {
        QRadioButton* r = pick(random, radios);
        if (r->isEnabled() && r->isVisible()) r->click();
        if (!w->isVisible()) return;
    }
    static const char* const samples[] = {"", "0", "7", "-3", "abc", "99999999999", " 42 ", "+5", "ZZZ"};
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        if (!e->isReadOnly() && e->isVisible() && random.chance(30))
            e->setText(QString::fromLatin1(samples[random.below(9)]));
    QList<QPushButton*> buttons;
    for (QPushButton* b : w->findChildren<QPushButton*>())
        if (b->isEnabled() && b->isVisible()) buttons << b;
    if (!buttons.isEmpty() && !random.chance(10)) return pick(random, buttons)->click();
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    else w->close();
}

// A whole soak program: a data folder of its own holding copies of the
// shipped boards named in `files` (all of them when empty; a name not
// shipped is only offered, to save under), offered in every file dialog;
// then, until time is up, the steps that `start` returns once the
// application exists (it opens the windows, which the step keeps).
inline int main(int argc, char** argv, QStringList files,
                 const std::function<std::function<void()>(Random&)>& start) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SECONDS [SEED]\n", argv[0]);
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;

    const QTemporaryDir home;
    const QDir shipped(QStringLiteral(VORTAN_SOURCE_DIR "/data"));
    if (files.isEmpty()) files = shipped.entryList({QStringLiteral("*.dat")}, QDir::Files);
    QStringList offered;
    for (const QString& name : files) {
        QFile::copy(shipped.filePath(name), home.filePath(name));  // fails for a name not shipped
        offered << home.filePath(name);
    }
    setenv("VORTAN_HOME", QFile::encodeName(home.path()).constData(), 1);
    // Test Board on a board of random clicks may search for minutes under the
    // solver's default budget; a small one keeps each test to about a second.
    setenv("VORTAN_SOLVE_BUDGET", "16M", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    Random random(seed);
    int answered = 0;
    QTimer answerer;
    answerer.setInterval(3);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        // Answered outside the timer, so that a window the answer opens is answered too.
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) return;
        QMetaObject::invokeMethod(&answerer, [&, w] {
            if (!w || !w->isVisible()) return;
            ++answered;
            answerModal(w, random, offered);
        }, Qt::QueuedConnection);
    });
    answerer.start();
    std::function<void()> step = start(random);

    // The step runs over and over, only while no modal window is up.
    QElapsedTimer clock;
    clock.start();
    long steps = 0;
    bool inStep = false;
    QTimer driver;
    driver.setInterval(1);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        // A step that runs an event loop of its own (Test Board's progress
        // window) gets these ticks too: neither step again nor quit inside
        // it, where quitting would end only the inner loop.
        if (inStep) return;
        if (clock.elapsed() > seconds * 1000) {
            driver.stop();
            // exit, not quit: quit closes the windows first, and a save
            // question answered with Cancel would keep the program running.
            QApplication::exit(0);
            return;
        }
        if (QApplication::activeModalWidget()) return;
        inStep = true;
        step();
        inStep = false;
        ++steps;
    });
    driver.start();
    QApplication::exec();
    step = nullptr;  // the windows go before the application
    std::printf("%ld steps in %.1f s, %d modal windows answered\n", steps, clock.elapsed() / 1000.0,
                answered);
    return steps > 0 ? 0 : 1;
}

}  // namespace soak
