#include "hint_seeker.h"

#include <QMetaObject>
#include <QPointer>

namespace vortan {

void CHintSeeker::stop() {
    if (job_) job_->cancel = true;
    // A cancelled search stops within milliseconds.
    if (worker_.joinable()) worker_.join();
    job_.reset();
}

void CHintSeeker::cancel() { stop(); }

std::uint64_t CHintSeeker::seek(const CZembrikDoc& game) {
    stop();
    auto job = std::make_shared<Job>();
    job_ = job;
    const std::uint64_t ticket = ++ticket_;
    QPointer<CHintSeeker> self(this);
    worker_ = std::thread([this, self, job, ticket, position = game] {
        SolveOptions options;
        options.cancel = &job->cancel;
        // A hint must not take the machine from the game: a quarter of the
        // default memory is ample for any position of a real board.
        options.memoryBudget = std::uint64_t(256) << 20;
        const HintResult hint = FindHint(position, options);
        job->done = true;
        if (job->cancel) return;
        // Delivered on the window's thread; dropped if the seeker is gone.
        QMetaObject::invokeMethod(
            this,
            [self, job, ticket, hint] {
                if (self && !job->cancel) emit self->found(ticket, hint);
            },
            Qt::QueuedConnection);
    });
    return ticket;
}

}  // namespace vortan
