// Looks for the first move of a shortest win on a worker thread, from a copy
// of the game, so that neither the clock nor the window waits for it.
#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

#include "game/search/solver.h"

namespace vortan {

class CHintSeeker : public QObject {
    Q_OBJECT
public:
    explicit CHintSeeker(QObject* parent = nullptr) : QObject(parent) {}
    ~CHintSeeker() override { stop(); }

    // Starts a search from `game` (a copy is taken); one still running is
    // cancelled first. Returns the ticket that `found` will carry.
    std::uint64_t seek(const CZembrikDoc& game);
    // Cancels a running search; its answer never arrives.
    void cancel();
    bool busy() const { return job_ && !job_->done.load(); }

signals:
    // The answer for `ticket`, on the window's thread.
    void found(std::uint64_t ticket, vortan::HintResult hint);

private:
    struct Job {
        std::atomic<bool> cancel{false};
        std::atomic<bool> done{false};
    };
    void stop();

    std::shared_ptr<Job> job_;
    std::thread worker_;
    std::uint64_t ticket_ = 0;
};

}  // namespace vortan
