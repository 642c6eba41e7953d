#include "document.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "board/board_file.h"
#include "board/file_io.h"

namespace vortan::designer {

const char* const kUntitledFileName = "untitled.dat";
const char* const kAppTitle = "Vortan Designer";
const char* const kBoardFilter = "Board (*.dat)";

namespace {

void fileMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

CQuorvel1Doc::CQuorvel1Doc(QObject* parent) : QObject(parent) { OnNewDocument(); }

QString CQuorvel1Doc::questionName() const {
    return questionPath_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(questionPath_).fileName();
}

bool CQuorvel1Doc::OnNewDocument() {
    DeleteContents();
    modified_ = false;
    fileName_ = QString::fromLatin1(kUntitledFileName);
    questionPath_.clear();
    board_.ResetToNewBoard();
    emit boardChanged();
    return true;
}

void CQuorvel1Doc::OnFileNew(QWidget* parent) {
    if (!SaveModified(parent)) return;
    OnNewDocument();
}

QString CQuorvel1Doc::askPath(QWidget* parent, bool save, const QString& title, const QString& filter,
                              const QString& proposed) {
    // Qt's own dialog everywhere, so that it looks and behaves the same on
    // every desktop; it asks before overwriting an existing file.
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!proposed.isEmpty()) dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

void CQuorvel1Doc::OnFileOpen(QWidget* parent) {
    // Unsaved edits would be lost by the read, so ask first as New does.
    if (!SaveModified(parent)) return;
    const QString path = askPath(parent, false, QStringLiteral("Open"), QString::fromLatin1(kBoardFilter), QString());
    if (path.isEmpty()) return;
    openPath(path, parent);
}

bool CQuorvel1Doc::openPath(const QString& path, QWidget* parent) {
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = info.isDir() ? QStringLiteral("It is a folder, not a file.") : file.errorString();
        fileMessage(parent, reason.isEmpty() ? QStringLiteral("Failed to open document.")
                                             : QStringLiteral("Cannot open %1.\n%2").arg(path, reason));
        return false;  // board and file name stay as they were
    }
    const qint64 size = file.size();
    file.close();

    DeleteContents();
    modified_ = true;
    ReadResult result;
    if (size > 0) {
        std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
        if (!in) {
            result.status = ReadStatus::Truncated;
        } else {
            result = ReadBoard(in, board_);
        }
    }
    // A file that is not a board at all (another version text, random
    // bytes) is no more this board's file than one that ends early.
    const bool ok = result.status == ReadStatus::Ok;
    if (ok) {
        fileName_ = path;
        modified_ = false;
    } else {
        DeleteContents();
        // The board no longer matches that file: Save must ask for a name
        // rather than overwrite it.
        fileName_ = QString::fromLatin1(kUntitledFileName);
    }
    emit boardChanged();
    if (!ok) fileMessage(parent, QStringLiteral("Unexpected file format."));
    return ok;
}

bool CQuorvel1Doc::OnFileSave(QWidget* parent) {
    if (fileName_ == QLatin1String(kUntitledFileName)) return OnFileSaveAs(parent);
    return savePath(fileName_, parent);
}

bool CQuorvel1Doc::OnFileSaveAs(QWidget* parent) {
    const QString path = askPath(parent, true, QStringLiteral("Save As"), QString::fromLatin1(kBoardFilter), QString());
    if (path.isEmpty()) return false;
    fileName_ = path;
    return savePath(path, parent);
}

bool CQuorvel1Doc::savePath(const QString& path, QWidget* parent) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir() || !info.absoluteDir().exists()) {
        fileMessage(parent, QStringLiteral("Cannot create %1.\nInvalid filename.").arg(path));
        return false;
    }
    const std::string bytes = EncodeBoard(board_);
    emit boardChanged();
    // An empty encoding would replace a good file by nothing.
    if (bytes.empty()) {
        fileMessage(parent, QStringLiteral("Failed to save document."));
        return false;
    }
    errno = 0;
    if (!writeFileAtomically(QFile::encodeName(info.absoluteFilePath()).toStdString(), bytes)) {
        const int err = errno;
        QString text = QStringLiteral("Failed to save document.\n%1").arg(path);
        if (err != 0) text += QStringLiteral("\n") + QString::fromLocal8Bit(std::strerror(err));
        fileMessage(parent, text);
        return false;
    }
    modified_ = false;
    return true;
}

bool CQuorvel1Doc::SaveModified(QWidget* parent) {
    if (!modified_) return true;
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kAppTitle),
                    QStringLiteral("Save changes to %1?").arg(questionName()),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: break;
    case QMessageBox::No: return true;
    default: return false;
    }
    QString path = questionPath_;
    if (path.isEmpty()) {
        path = askPath(parent, true, QStringLiteral("Save As"), QStringLiteral("All Files (*.*)"),
                       QStringLiteral("Untitled"));
        if (path.isEmpty()) return false;
    }
    if (!savePath(path, parent)) return false;
    questionPath_ = path;
    return true;
}

}  // namespace vortan::designer
