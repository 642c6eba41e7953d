// Where the programs find their data and each other: VORTAN_HOME, the build's
// data folder, the configured installation, XDG_DATA_DIRS, the user's folder.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

#include "platform/install_paths.h"
#include "tests/support/modal_answerer.h"
#include "vortan/build_info.h"

using namespace vortan;

namespace {

// Sets or unsets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<QString>& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) old_ = qEnvironmentVariable(name);
        if (value) qputenv(name, value->toLocal8Bit());
        else qunsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) qputenv(name_, old_->toLocal8Bit());
        else qunsetenv(name_);
    }

private:
    const char* name_;
    std::optional<QString> old_;
};

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

class InstallPaths : public ::testing::Test {
protected:
    void SetUp() override {
        vortan::testing::testApp();
        QCoreApplication::setApplicationName(QStringLiteral("vortan"));
        ASSERT_TRUE(tmp.isValid());
    }
    QString at(const QString& relative) const { return QDir::cleanPath(tmp.path() + "/" + relative); }
    QTemporaryDir tmp;
};

TEST_F(InstallPaths, VortanHomeHoldsEveryFileAndHelpPagesItHas) {
    ScopedEnv home("VORTAN_HOME", at("home"));
    EXPECT_EQ(installPath("alvor1.dat"), at("home/alvor1.dat"));
    EXPECT_EQ(installPath("C:\\Program Files\\Vortan 2.3\\G0.MID"), at("home/G0.MID"));
    EXPECT_EQ(installPath("Options.dat", FileUse::Write), at("home/Options.dat"));
    EXPECT_EQ(installPath("HIScore3.dat"), at("home/HIScore3.dat"));
    EXPECT_EQ(shippedDataFolder(at("anywhere")), at("home"));
    EXPECT_EQ(userDataFolder(), at("home"));
    // Names cannot climb out of the folder.
    EXPECT_EQ(installPath("../../etc/passwd"), at("home/passwd"));
    EXPECT_EQ(installPath("C:\\Program Files\\Vortan 2.3\\..\\x.dat"), at("home/x.dat"));
    // Help pages come from the build's data folder beside the programs, unless
    // the folder has its own; only the page name is kept.
    const QString built = QCoreApplication::applicationDirPath() + "/data/help/";
    EXPECT_EQ(installPath("help/zembrik.html"), built + "zembrik.html");
    touch(at("home/help/zembrik.html"));
    EXPECT_EQ(installPath("help/zembrik.html"), at("home/help/zembrik.html"));
    EXPECT_EQ(installPath("help/../../secret.html"), built + "secret.html");
}

TEST_F(InstallPaths, DataFoldersAreSearchedBuildThenInstallationThenXdg) {
    ScopedEnv xdg("XDG_DATA_DIRS", at("one") + ":relative/ignored::" + at("two") + "/");
    const QStringList folders = dataFolderCandidates(at("prefix/bin"));
    const QStringList expected = {at("prefix/bin/data"),
                                  QDir::cleanPath(at("prefix/bin") + "/" VORTAN_DATA_DIR_FROM_PROGRAMS),
                                  QStringLiteral(VORTAN_INSTALLED_DATA_DIR), at("one/vortan"), at("two/vortan")};
    EXPECT_EQ(folders, expected);

    ScopedEnv unset("XDG_DATA_DIRS", std::nullopt);
    const QStringList defaults = dataFolderCandidates(at("prefix/bin"));
    EXPECT_EQ(defaults.mid(defaults.size() - 2), QStringList({"/usr/local/share/vortan", "/usr/share/vortan"}));
}

TEST_F(InstallPaths, TheFirstDataFolderThatExistsWins) {
    ScopedEnv home("VORTAN_HOME", std::nullopt);
    ScopedEnv xdg("XDG_DATA_DIRS", at("xdg-a") + ":" + at("xdg-b"));
    const QString programs = at("prefix/bin");
    QDir().mkpath(programs);
    if (QFileInfo(QStringLiteral(VORTAN_INSTALLED_DATA_DIR)).isDir())
        GTEST_SKIP() << "this machine has an installed copy in " VORTAN_INSTALLED_DATA_DIR;

    // Nothing anywhere: the build's folder is named, so messages can name it.
    EXPECT_EQ(shippedDataFolder(programs), at("prefix/bin/data"));
    // Folders that do not exist are passed over; the order is the candidates'.
    QDir().mkpath(at("xdg-b/vortan"));
    EXPECT_EQ(shippedDataFolder(programs), at("xdg-b/vortan"));
    QDir().mkpath(at("prefix/bin/data"));
    EXPECT_EQ(shippedDataFolder(programs), at("prefix/bin/data"));
}

TEST_F(InstallPaths, TheGamesOwnFilesGoToTheUsersFolderAndAreReadFromThereFirst) {
    ScopedEnv home("VORTAN_HOME", std::nullopt);
    ScopedEnv data("XDG_DATA_HOME", at("user"));
    const QString user = at("user/vortan");
    EXPECT_EQ(userDataFolder(), user);
    const QString shipped = shippedDataFolder();
    // Not written yet: the shipped copy is read.
    EXPECT_EQ(installPath("demomoves.dat"), shipped + "/demomoves.dat");
    EXPECT_EQ(installPath("demomoves.dat", FileUse::Write), user + "/demomoves.dat");
    EXPECT_TRUE(QFileInfo(user).isDir());
    touch(user + "/demomoves.dat");
    EXPECT_EQ(installPath("demomoves.dat"), user + "/demomoves.dat");
    EXPECT_EQ(installPath("Options.dat"), shipped + "/Options.dat");
    // Read-only data never comes from the user's folder.
    touch(user + "/alvor1.dat");
    EXPECT_EQ(installPath("alvor1.dat"), shipped + "/alvor1.dat");
    EXPECT_TRUE(isUserFile("HIScore0.dat"));
    EXPECT_TRUE(isUserFile("C:\\Program Files\\Vortan 2.3\\Options.dat"));
    EXPECT_FALSE(isUserFile("demogame.dat"));
}

TEST_F(InstallPaths, OtherProgramsAreFoundBesideThenOnPath) {
    const QString beside = at("beside");
    const QString onPath = at("path");
    for (const QString& dir : {beside, onPath}) QDir().mkpath(dir);
    const auto makeProgram = [](const QString& path) {
        touch(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    ScopedEnv path("PATH", onPath);
    // Nowhere: the name beside, so a start fails quietly.
    EXPECT_EQ(programPath("vortan-designer", beside), beside + "/vortan-designer");
    makeProgram(onPath + "/vortan-designer");
    EXPECT_EQ(programPath("vortan-designer", beside), onPath + "/vortan-designer");
    // A file that cannot be run does not count.
    touch(beside + "/vortan-designer");
    EXPECT_EQ(programPath("vortan-designer", beside), onPath + "/vortan-designer");
    makeProgram(beside + "/vortan-designer");
    EXPECT_EQ(programPath("vortan-designer", beside), beside + "/vortan-designer");
}

}  // namespace
