// vortan-artgen FOLDER: draws the game's pictures into FOLDER.
#include "artwork.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Only fonts are needed, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: vortan-artgen FOLDER\n");
        return 2;
    }
    const QStringList failed = artgen::writeArtwork(args.at(1));
    for (const QString& name : failed)
        std::fprintf(stderr, "vortan-artgen: cannot write %s\n", qPrintable(name));
    return failed.isEmpty() ? 0 : 1;
}
