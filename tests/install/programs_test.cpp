// The three programs as a user starts them from a terminal: --help and
// --version answer on standard output and exit 0, with no display needed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include "vortan/build_info.h"

namespace {

struct ProgramRun {
    int code = -1;
    QString out;
    QString err;
};

// Runs a built program with no display at all: a window program that tried
// to open one would fail.
ProgramRun run(const char* program, const QStringList& args, const QString& platform = QStringLiteral("xcb")) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VORTAN_BIN_DIR "/") + QLatin1String(program), args);
    ProgramRun r;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

const char* const kPrograms[] = {VORTAN_GAME_PROGRAM, VORTAN_DESIGNER_PROGRAM, VORTAN_BOARD_PROGRAM};

TEST(Programs, HelpPrintsTheUsageOnStandardOutput) {
    for (const char* program : kPrograms) {
        SCOPED_TRACE(program);
        const ProgramRun r = run(program, {QStringLiteral("--help")});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("sage:"))) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("--version"))) << r.out.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
    // The window programs take a board file.
    for (const char* program : {VORTAN_GAME_PROGRAM, VORTAN_DESIGNER_PROGRAM}) {
        const ProgramRun r = run(program, {QStringLiteral("-h")});
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.contains(QStringLiteral("[file]"))) << program;
    }
}

TEST(Programs, VersionIsTheProjectVersion) {
    for (const char* program : kPrograms) {
        SCOPED_TRACE(program);
        const ProgramRun r = run(program, {QStringLiteral("--version")});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QStringLiteral("%1 %2\n").arg(QLatin1String(program), QLatin1String(VORTAN_VERSION)));
    }
    EXPECT_EQ(QStringLiteral(VORTAN_VERSION), QStringLiteral("2.3"));
}

TEST(Programs, UnknownOptionsAreRefusedWithAMessage) {
    for (const char* program : {VORTAN_GAME_PROGRAM, VORTAN_DESIGNER_PROGRAM}) {
        SCOPED_TRACE(program);
        const ProgramRun r = run(program, {QStringLiteral("--no-such-option")}, QStringLiteral("offscreen"));
        EXPECT_NE(r.code, 0);
        EXPECT_TRUE(r.err.contains(QStringLiteral("no-such-option"))) << r.err.toStdString();
    }
    EXPECT_EQ(run(VORTAN_BOARD_PROGRAM, {QStringLiteral("--no-such-option")}).code, 2);
}

}  // namespace
