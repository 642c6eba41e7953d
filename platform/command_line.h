// The command line both window programs share: --help, --version and a
// board file. Help and version are answered before any window exists, so
// they work without a display.
#pragma once

#include <QCommandLineParser>
#include <QString>

namespace vortan {

// Describes the program's options: help, version and the optional board file.
void describeCommandLine(QCommandLineParser& parser, const QString& description);

// When argv asks for help or the version, prints the answer on standard
// output (errors on standard error) and returns true with the exit code;
// otherwise returns false and the program goes on to make its window.
bool answerInfoRequest(QCommandLineParser& parser, int argc, char** argv, const char* program, int& exitCode);

}  // namespace vortan
