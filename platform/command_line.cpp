#include "command_line.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

#include "vortan/build_info.h"

namespace vortan {

void describeCommandLine(QCommandLineParser& parser, const QString& description) {
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A board file (.dat) to open."),
                                 QStringLiteral("[file]"));
}

bool answerInfoRequest(QCommandLineParser& parser, int argc, char** argv, const char* program, int& exitCode) {
    bool asked = false;
    for (int i = 1; i < argc && !asked; ++i) {
        if (std::strcmp(argv[i], "--") == 0) break;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            asked = asked || std::strcmp(argv[i], option) == 0;
    }
    if (!asked) return false;

    // A console application is enough to print; no display is opened.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(VORTAN_VERSION));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s: %s\n", program, qPrintable(parser.errorText()));
        exitCode = 2;
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", program, VORTAN_VERSION);
    } else {
        std::fputs(qPrintable(parser.helpText()), stdout);
    }
    std::fflush(stdout);
    exitCode = 0;
    return true;
}

}  // namespace vortan
