#include "install_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vortan {

const char* const kInstallFolder = "C:\\Program Files\\Vortan 2.3\\";

namespace {

QString vortanHome() {
    const QByteArray home = qgetenv("VORTAN_HOME");
    return home.isEmpty() ? QString() : QDir(QString::fromLocal8Bit(home)).absolutePath();
}

QString baseName(const QString& name) {
    QString n = name;
    const QString prefix = QString::fromLatin1(kInstallFolder);
    if (n.startsWith(prefix, Qt::CaseInsensitive)) n = n.mid(prefix.size());
    // Names never carry folders of their own; keep only the last part so a
    // hostile name cannot climb out of the data folder.
    n.replace('\\', '/');
    const int slash = n.lastIndexOf('/');
    return slash >= 0 ? n.mid(slash + 1) : n;
}

}  // namespace

bool isUserFile(const QString& fileName) {
    const QString n = baseName(fileName);
    return n.compare("Options.dat", Qt::CaseInsensitive) == 0 ||
           n.compare("demomoves.dat", Qt::CaseInsensitive) == 0 ||
           (n.startsWith("HIScore", Qt::CaseInsensitive) && n.endsWith(".dat", Qt::CaseInsensitive));
}

QString shippedDataFolder() {
    const QString home = vortanHome();
    if (!home.isEmpty()) return home;
    const QString appDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    const QString beside = appDir + "/data";
    if (QFileInfo(beside).isDir()) return beside;
    const QString installed = QDir::cleanPath(appDir + "/../share/vortan");
    if (QFileInfo(installed).isDir()) return installed;
    return beside;
}

QString userDataFolder() {
    const QString home = vortanHome();
    if (!home.isEmpty()) return home;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + "/.local/share/vortan";
    return dir;
}

QString installPath(const QString& name, FileUse use) {
    const QString file = baseName(name);
    const QString home = vortanHome();
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

std::string installPathStd(const std::string& name, FileUse use) {
    return installPath(QString::fromStdString(name), use).toStdString();
}

}  // namespace vortan
