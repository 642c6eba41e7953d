// Answers the modal dialogs and message boxes that code under test opens
// with exec(), by a repeating poll, so a window that opens late is still
// answered: each new modal window is handed to the next queued handler. A
// window that is shown again (the kept Play Game and Options dialogs) counts
// as a new one; one nobody expected is recorded and closed, so the test
// fails instead of hanging.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

namespace vortan::testing {

// Chooses `path` in an open file dialog. Typed into the name field, as a
// user would; selectFile alone does not replace a name the dialog proposed.
inline void chooseFile(QFileDialog* fd, const QString& path) {
    fd->setDirectory(QFileInfo(path).absolutePath());
    if (auto* name = fd->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(QFileInfo(path).fileName());
    else
        fd->selectFile(path);
    static_cast<QDialog*>(fd)->accept();  // QFileDialog::accept, through the public base
}

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class ModalAnswerer : public QObject {
public:
    using Handler = std::function<void(QWidget*)>;

    ModalAnswerer() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    ModalAnswerer& then(Handler handler) {
        queue_.push_back(std::move(handler));
        return *this;
    }

    // Records a message box and presses one of its buttons.
    ModalAnswerer& box(QMessageBox::StandardButton button = QMessageBox::Ok) {
        return then([this, button](QWidget* w) {
            auto* mb = qobject_cast<QMessageBox*>(w);
            if (!mb) return refuse(w, QStringLiteral("not a message box: "));
            shown.push_back(ShownBox{mb->windowTitle(), mb->text(), mb->icon()});
            if (QAbstractButton* b = mb->button(button)) b->click();
            else mb->reject();
        });
    }

    // Chooses `path` in a file dialog (or cancels it when `path` is empty).
    ModalAnswerer& file(const QString& path) {
        return then([this, path](QWidget* w) {
            auto* fd = qobject_cast<QFileDialog*>(w);
            if (!fd) return refuse(w, QStringLiteral("not a file dialog: "));
            fileDialogs.push_back(fd->windowTitle() + QStringLiteral(" | ") + fd->nameFilters().join(';'));
            if (path.isEmpty()) fd->reject();
            else chooseFile(fd, path);
        });
    }

    // A dialog of type D (with this object name, when one is given), handled by `f`.
    template <typename D>
    ModalAnswerer& dialog(std::function<void(D*)> f) {
        return dialog<D>(nullptr, std::move(f));
    }
    template <typename D>
    ModalAnswerer& dialog(const char* name, std::function<void(D*)> f) {
        return then([this, name, f](QWidget* w) {
            auto* d = qobject_cast<D*>(w);
            const QString wanted = QLatin1String(name ? name : D::staticMetaObject.className());
            if (!d || (name && w->objectName() != wanted))
                return refuse(w, QStringLiteral("expected %1, got %2 ").arg(wanted, w->objectName()));
            f(d);
        });
    }

    // Every handler has run.
    bool done() const { return queue_.empty() && pending_ == 0; }
    // Stops answering, so that a later answerer takes over.
    void stop() { timer_.stop(); }

    std::vector<ShownBox> shown;
    std::vector<QString> fileDialogs;
    std::vector<QString> unexpected;

private:
    // Records a window nobody expected (or not the one expected) and closes it.
    void refuse(QWidget* w, const QString& why) {
        QString what = why + QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" '") +
                       w->windowTitle() + QStringLiteral("'");
        if (auto* mb = qobject_cast<QMessageBox*>(w)) what += QStringLiteral(": ") + mb->text();
        unexpected.push_back(what);
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        else w->close();
    }

    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) return;
        // A dialog that is active again after a message box of its own has
        // closed is not a new modal window; one shown again after it was
        // hidden is.
        handled_.erase(std::remove_if(handled_.begin(), handled_.end(),
                                      [](const QPointer<QWidget>& p) { return !p || !p->isVisible(); }),
                       handled_.end());
        if (std::find(handled_.begin(), handled_.end(), w) != handled_.end()) return;
        // Only once it holds the activation, as a user's answer always does:
        // the window behind it sees the activation move before the answer.
        // One that never gets it cannot be typed into, and would hold the
        // test until its time-out: after a while it is answered anyway, and
        // reported.
        if (!w->isActiveWindow()) {
            if (w != inactive_) {
                inactive_ = w;
                inactiveFor_.start();
            }
            if (inactiveFor_.elapsed() < 3000) return;
            unexpected.push_back(QStringLiteral("never active: %1 '%2'")
                                     .arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle()));
        }
        handled_.push_back(w);
        Handler h;
        if (!queue_.empty()) {
            h = std::move(queue_.front());
            queue_.pop_front();
        } else {
            h = [this](QWidget* m) { refuse(m, QString()); };
        }
        // Act outside the timer so that a modal window opened by the action
        // is answered too.
        QPointer<QWidget> target(w);
        ++pending_;
        QMetaObject::invokeMethod(
            this,
            [this, h, target] {
                --pending_;
                if (target) h(target);
            },
            Qt::QueuedConnection);
    }

    QTimer timer_;
    std::vector<QPointer<QWidget>> handled_;  // modal windows already given a handler
    // A new modal window waiting for the activation, and since when.
    QPointer<QWidget> inactive_;
    QElapsedTimer inactiveFor_;
    std::deque<Handler> queue_;
    int pending_ = 0;  // handlers given a window but not yet run
};

// One QApplication for all tests of a program.
inline QApplication* testApp() {
    // Headless unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return app;
}

}  // namespace vortan::testing
