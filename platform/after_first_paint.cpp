#include "after_first_paint.h"

#include <QEvent>
#include <QTimer>

namespace vortan {

AfterFirstPaint::AfterFirstPaint(QWidget* widget, std::function<void()> job) : job_(std::move(job)) {
    widget->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !queued_) {
        queued_ = true;
        watched->removeEventFilter(this);
        // Queued, so the painted frame reaches the screen first.
        QTimer::singleShot(0, this, [this] {
            done_ = true;
            job_();
        });
    }
    return false;
}

}  // namespace vortan
