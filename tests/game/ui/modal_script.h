// Answers the modal windows of a test in order, by a repeating poll, so a
// window that opens late is still answered. A window that is shown again
// (the kept Play Game and Options dialogs) counts as a new one; one nobody
// expected is recorded and closed, so the test fails instead of hanging.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace uitest {

class ModalScript : public QObject {
public:
    using Handler = std::function<void(QWidget*)>;

    ModalScript() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    ModalScript& then(Handler h) {
        queue_.push_back(std::move(h));
        return *this;
    }
    // A message box: its caption and text are recorded, then OK.
    ModalScript& box() {
        return then([this](QWidget* w) {
            auto* mb = qobject_cast<QMessageBox*>(w);
            if (!mb) {
                unexpected.push_back(QStringLiteral("not a message box: ") + w->objectName());
                if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
                return;
            }
            boxes.push_back(mb->windowTitle() + QStringLiteral(" | ") + mb->text());
            mb->accept();
        });
    }
    // A dialog with this object name, handled by `f`.
    template <typename D>
    ModalScript& dialog(const char* name, std::function<void(D*)> f) {
        return then([this, name, f](QWidget* w) {
            auto* d = qobject_cast<D*>(w);
            if (!d || w->objectName() != QLatin1String(name)) {
                unexpected.push_back(QStringLiteral("expected %1, got %2 '%3'")
                                         .arg(QLatin1String(name), w->objectName(), w->windowTitle()));
                if (auto* any = qobject_cast<QDialog*>(w)) any->reject();
                return;
            }
            f(d);
        });
    }

    bool done() const { return queue_.empty() && !busy_; }
    // Stops answering, so that a later script takes over.
    void stop() { timer_.stop(); }

    std::vector<QString> boxes;
    std::vector<QString> unexpected;

private:
    void poll() {
        cleanOpen();
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) return;
        // A window below a closed one is active again; it was answered.
        for (const QPointer<QWidget>& seen : open_)
            if (seen == w) return;
        open_.push_back(w);
        Handler h;
        if (!queue_.empty()) {
            h = std::move(queue_.front());
            queue_.pop_front();
        } else {
            h = [this](QWidget* m) {
                QString what = m->objectName() + QStringLiteral(" '") + m->windowTitle() + QStringLiteral("'");
                if (auto* mb = qobject_cast<QMessageBox*>(m)) what += QStringLiteral(": ") + mb->text();
                unexpected.push_back(what);
                if (auto* d = qobject_cast<QDialog*>(m)) d->reject();
                else m->close();
            };
        }
        busy_ = true;
        QPointer<QWidget> target(w);
        // Outside the poll, so that windows opened by the answer are answered too.
        QMetaObject::invokeMethod(
            this,
            [this, h, target] {
                busy_ = false;
                if (target) h(target);
            },
            Qt::QueuedConnection);
    }
    void cleanOpen() {
        std::vector<QPointer<QWidget>> still;
        for (const QPointer<QWidget>& p : open_)
            if (p && p->isVisible()) still.push_back(p);
        open_ = still;
    }

    QTimer timer_;
    std::vector<QPointer<QWidget>> open_;
    std::deque<Handler> queue_;
    bool busy_ = false;
};

}  // namespace uitest
