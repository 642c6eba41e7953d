#include "install_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "vortan/build_info.h"

namespace vortan {

const char* const kInstallFolder = "C:\\Program Files\\Vortan 2.3\\";

namespace {

const QLatin1String kHelpFolder("help/");

QString vortanHome() {
    const QByteArray home = qgetenv("VORTAN_HOME");
    return home.isEmpty() ? QString() : QDir(QString::fromLocal8Bit(home)).absolutePath();
}

QString programFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

// The name without the installation folder and without any folder of its
// own, so a hostile name cannot climb out of the data folder; only the help
// folder is kept.
QString relativeName(const QString& name) {
    QString n = name;
    const QString prefix = QString::fromLatin1(kInstallFolder);
    if (n.startsWith(prefix, Qt::CaseInsensitive)) n = n.mid(prefix.size());
    n.replace('\\', '/');
    const bool help = n.startsWith(kHelpFolder);
    const int slash = n.lastIndexOf('/');
    if (slash >= 0) n = n.mid(slash + 1);
    return help ? kHelpFolder + n : n;
}

}  // namespace

bool isUserFile(const QString& fileName) {
    const QString n = relativeName(fileName);
    return n.compare("Options.dat", Qt::CaseInsensitive) == 0 ||
           n.compare("demomoves.dat", Qt::CaseInsensitive) == 0 ||
           (n.startsWith("HIScore", Qt::CaseInsensitive) && n.endsWith(".dat", Qt::CaseInsensitive));
}

QStringList dataFolderCandidates(const QString& programDir) {
    const QString dir = programDir.isEmpty() ? programFolder() : programDir;
    QStringList folders = {dir + QStringLiteral("/data"),
                           QDir::cleanPath(dir + QLatin1Char('/') + QStringLiteral(VORTAN_DATA_DIR_FROM_PROGRAMS)),
                           QStringLiteral(VORTAN_INSTALLED_DATA_DIR)};
    QString xdg = qEnvironmentVariable("XDG_DATA_DIRS");
    if (xdg.isEmpty()) xdg = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& base : xdg.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // Relative entries are invalid by the XDG rules and are ignored.
        if (QDir::isAbsolutePath(base)) folders << QDir::cleanPath(base + QStringLiteral("/" VORTAN_DATA_SUBDIR));
    }
    folders.removeDuplicates();
    return folders;
}

QString shippedDataFolder(const QString& programDir) {
    const QString home = vortanHome();
    if (!home.isEmpty()) return home;
    const QStringList folders = dataFolderCandidates(programDir);
    for (const QString& folder : folders)
        if (QFileInfo(folder).isDir()) return folder;
    return folders.first();
}

QString userDataFolder() {
    const QString home = vortanHome();
    if (!home.isEmpty()) return home;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + "/.local/share/vortan";
    return dir;
}

QString installPath(const QString& name, FileUse use) {
    const QString file = relativeName(name);
    const QString home = vortanHome();
    if (file.startsWith(kHelpFolder)) {
        // Help is documentation, not game data: a folder of its own set in
        // VORTAN_HOME first, then the installed pages.
        if (!home.isEmpty() && QFileInfo::exists(home + "/" + file)) return home + "/" + file;
        const QStringList folders = dataFolderCandidates();
        for (const QString& folder : folders)
            if (QFileInfo(folder + "/" + file).isFile()) return folder + "/" + file;
        return folders.first() + "/" + file;
    }
    if (!home.isEmpty()) return home + "/" + file;
    if (isUserFile(file)) {
        const QString user = userDataFolder();
        if (use == FileUse::Write) {
            QDir().mkpath(user);
            return user + "/" + file;
        }
        if (QFileInfo::exists(user + "/" + file)) return user + "/" + file;
    }
    return shippedDataFolder() + "/" + file;
}

QString programPath(const QString& name, const QString& programDir) {
    const QString beside = (programDir.isEmpty() ? programFolder() : programDir) + QLatin1Char('/') + name;
    if (QFileInfo(beside).isExecutable()) return beside;
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? beside : found;
}

std::string installPathStd(const std::string& name, FileUse use) {
    return installPath(QString::fromStdString(name), use).toStdString();
}

}  // namespace vortan
