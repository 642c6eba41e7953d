// Pictures decoded on worker threads while the window is being made, so
// that it does not wait for them one after the other: whoever needs one
// first waits only for what is left of its decoding.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace vortan::picturePreload {

// Starts decoding each picture, every one on a thread of its own. Only
// once the application object exists; before, it does nothing and `take`
// reads the picture when asked.
void start(const QStringList& paths);

// The picture at `path` in 32-bit RGB: the preloaded one, waiting for it
// if need be, else read here. A preloaded picture is handed out once; a
// missing or unreadable one is a null image.
QImage take(const QString& path);

}  // namespace vortan::picturePreload
