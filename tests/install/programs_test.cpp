// The three programs as a user starts them from a terminal: --help answers
// on standard output and exits 0 with no display needed, and an unknown
// option is refused. (The install test checks --version, from the prefix.)
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <cstring>

#include "vortan/build_info.h"

namespace {

struct ProgramRun {
    int code = -1;
    QString out;
    QString err;
};

// Runs a built program with no display at all: a window program that tried
// to open one would fail, unless `platform` gives it an offscreen one.
ProgramRun run(const char* program, const char* option, const QString& platform = QStringLiteral("xcb")) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VORTAN_BIN_DIR "/") + QLatin1String(program), {QLatin1String(option)});
    ProgramRun r;
    if (!p.waitForFinished(20000)) {
        r.err = p.errorString();
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(Programs, HelpOnStandardOutputAndUnknownOptionsRefused) {
    for (const char* program : {VORTAN_GAME_PROGRAM, VORTAN_DESIGNER_PROGRAM, VORTAN_BOARD_PROGRAM}) {
        SCOPED_TRACE(program);
        const bool window = std::strcmp(program, VORTAN_BOARD_PROGRAM) != 0;
        for (const char* option : {"--help", "-h"}) {
            const ProgramRun r = run(program, option);
            EXPECT_EQ(r.code, 0) << r.err.toStdString();
            EXPECT_TRUE(r.out.contains(QStringLiteral("sage:"))) << r.out.toStdString();
            EXPECT_TRUE(r.out.contains(QStringLiteral("--version"))) << r.out.toStdString();
            EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
            // The window programs take a board file.
            EXPECT_EQ(window, r.out.contains(QStringLiteral("[file]"))) << option;
        }
        // Options are read once the window program's display is open. The
        // refusal exits from inside the program, so a thread left running
        // then crashes it now and then: a few runs.
        for (int i = 0; i < (window ? 8 : 1); ++i) {
            const ProgramRun r = run(program, "--no-such-option", QStringLiteral("offscreen"));
            EXPECT_EQ(r.code, window ? 1 : 2) << r.err.toStdString();
            EXPECT_TRUE(!window || r.err.contains(QStringLiteral("no-such-option"))) << r.err.toStdString();
        }
    }
}

}  // namespace
