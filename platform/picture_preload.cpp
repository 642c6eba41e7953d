#include "picture_preload.h"

#include <QCoreApplication>

#include <future>
#include <map>
#include <mutex>

namespace vortan::picturePreload {

namespace {
QImage decode(const QString& path) {
    QImage img(path);
    return img.isNull() ? img : img.convertToFormat(QImage::Format_RGB32);
}

std::mutex& lock() {
    static std::mutex m;
    return m;
}
std::map<QString, std::future<QImage>>& pending() {
    static std::map<QString, std::future<QImage>> p;
    return p;
}

// A decoding still running when the application object goes would read
// image plugins being unloaded: the object waits for them on its way out.
void awaitPending() {
    std::map<QString, std::future<QImage>> left;
    {
        const std::lock_guard<std::mutex> guard(lock());
        left.swap(pending());
    }
    for (auto& [path, decoding] : left) decoding.wait();
}
}  // namespace

void start(const QStringList& paths) {
    // Image readers find their plugins through the application object; one
    // still being made must not be read from another thread.
    if (!QCoreApplication::instance()) return;
    const std::lock_guard<std::mutex> guard(lock());
    // Each application object forgets its routines once they have run.
    qAddPostRoutine(awaitPending);
    for (const QString& path : paths)
        if (!pending().count(path)) pending()[path] = std::async(std::launch::async, decode, path);
}

QImage take(const QString& path) {
    std::future<QImage> preloaded;
    {
        const std::lock_guard<std::mutex> guard(lock());
        const auto it = pending().find(path);
        if (it != pending().end()) {
            preloaded = std::move(it->second);
            pending().erase(it);
        }
    }
    return preloaded.valid() ? preloaded.get() : decode(path);
}

}  // namespace vortan::picturePreload
