// vortan-artgen FOLDER: draws the game's pictures into FOLDER.
// vortan-artgen --icons FOLDER: draws the desktop icons of both programs.
#include "artwork.h"
#include "vector_icon.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Only fonts are needed, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool icons = args.size() == 3 && args.at(1) == QLatin1String("--icons");
    if (args.size() != 2 && !icons) {
        std::fprintf(stderr, "usage: vortan-artgen FOLDER\n       vortan-artgen --icons FOLDER\n");
        return 2;
    }
    const QStringList failed = icons ? artgen::writeIcons(args.at(2)) : artgen::writeArtwork(args.at(1));
    for (const QString& name : failed)
        std::fprintf(stderr, "vortan-artgen: cannot write %s\n", qPrintable(name));
    return failed.isEmpty() ? 0 : 1;
}
