// Shared pieces of the soak programs: a seeded random source, a deadline,
// and an answerer that handles whatever modal window comes up, at random.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "game/generate/rng.h"

namespace soak {

// The game's own deterministic generator: a failing run is repeated by its seed.
using Random = vortan::Rng;

[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "SOAK FAILURE: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// Answers every modal window: sometimes fiddles with its radio buttons and
// edits, then presses one of its push buttons (or closes it). File dialogs
// get one of `files` or are cancelled.
class ModalAnswerer : public QObject {
public:
    ModalAnswerer(Random& random, QStringList files) : random_(random), files_(std::move(files)) {
        timer_.setInterval(3);
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }
    int answered = 0;

private:
    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) return;
        QPointer<QWidget> target(w);
        QMetaObject::invokeMethod(
            this, [this, target] { if (target && target->isVisible()) answer(target); }, Qt::QueuedConnection);
    }

    void answer(QWidget* w) {
        ++answered;
        if (auto* fd = qobject_cast<QFileDialog*>(w)) {
            if (files_.isEmpty() || random_.chance(30)) {
                fd->reject();
                return;
            }
            const QString path = files_[random_.below(static_cast<int>(files_.size()))];
            fd->setDirectory(QFileInfo(path).absolutePath());
            if (auto* name = fd->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(QFileInfo(path).fileName());
            else
                fd->selectFile(path);
            static_cast<QDialog*>(fd)->accept();
            return;
        }
        const auto radios = w->findChildren<QRadioButton*>();
        for (int i = random_.below(4); i > 0 && !radios.isEmpty(); --i) {
            QRadioButton* r = radios[random_.below(static_cast<int>(radios.size()))];
            if (r->isEnabled() && r->isVisible()) r->click();
            if (!target(w)) return;
        }
        const auto edits = w->findChildren<QLineEdit*>();
        for (QLineEdit* e : edits) {
            if (e->isReadOnly() || !e->isVisible() || !random_.chance(30)) continue;
            static const char* const samples[] = {"", "0", "7", "-3", "abc", "99999999999", " 42 ", "+5", "ZZZ"};
            e->setText(QString::fromLatin1(samples[random_.below(9)]));
        }
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (qobject_cast<QPushButton*>(b) && b->isEnabled() && b->isVisible()) buttons << b;
        if (buttons.isEmpty() || random_.chance(10)) {
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            else w->close();
            return;
        }
        buttons[random_.below(static_cast<int>(buttons.size()))]->click();
    }

    static bool target(QWidget* w) { return w && w->isVisible(); }

    Random& random_;
    QStringList files_;
    QTimer timer_;
};

// Runs `step` over and over (only while no modal window is up) until
// `seconds` have passed, then quits the event loop.
inline int runFor(double seconds, const std::function<void()>& step) {
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
    std::printf("%ld steps in %.1f s\n", steps, clock.elapsed() / 1000.0);
    return steps > 0 ? 0 : 1;
}

}  // namespace soak
