// Work that can wait until the window is on the screen (opening the sound
// device, for one): run once, just after a widget's first paint.
#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

namespace vortan {

class AfterFirstPaint : public QObject {
public:
    // `job` runs once, from the event loop, after `widget` first paints.
    AfterFirstPaint(QWidget* widget, std::function<void()> job);
    bool done() const { return done_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> job_;
    bool queued_ = false;
    bool done_ = false;
};

}  // namespace vortan
