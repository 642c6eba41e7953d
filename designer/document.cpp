#include "document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUndoCommand>
#include <QUndoStack>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <vector>

#include "board/board_file.h"
#include "board/file_io.h"
#include "platform/install_paths.h"

namespace vortan::designer {

const char* const kUntitledFileName = "untitled.dat";
const char* const kAppTitle = "Vortan Designer";
const char* const kBoardFilter = "Board (*.dat)";

namespace {

// The recent-file list lives beside the user's other files, so that a test
// with its own data folder never sees the user's list.
QString settingsPath() { return userDataFolder() + QStringLiteral("/designer.ini"); }
const char* const kRecentGroup = "Recent File List";

void writeRecentFiles(const QStringList& files) {
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.beginGroup(QLatin1String(kRecentGroup));
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files.size()) settings.setValue(key, files[i - 1]);
        else settings.remove(key);
    }
}

// Texts and values of a board: everything but the cells.
struct BoardHeader {
    std::string versionTag, gameName, openingMessage;
    std::uint32_t values[BoardDefinition::kValueCount] = {};

    explicit BoardHeader(const BoardDefinition& b)
        : versionTag(b.versionTag), gameName(b.gameName), openingMessage(b.openingMessage) {
        for (int i = 0; i < BoardDefinition::kValueCount; ++i) values[i] = b.value(i);
    }
    void applyTo(BoardDefinition& b) const {
        b.versionTag = versionTag;
        b.gameName = gameName;
        b.openingMessage = openingMessage;
        for (int i = 0; i < BoardDefinition::kValueCount; ++i) *b.valuePointer(i) = values[i];
    }
    bool operator==(const BoardHeader& o) const {
        if (versionTag != o.versionTag || gameName != o.gameName || openingMessage != o.openingMessage) return false;
        for (int i = 0; i < BoardDefinition::kValueCount; ++i)
            if (values[i] != o.values[i]) return false;
        return true;
    }
};

// One undo step: the cells it changed and, when they changed, the texts and
// values before and after. Only differences are kept, so a long history of
// clicks stays small.
class BoardEditCommand : public QUndoCommand {
public:
    BoardEditCommand(const QString& text, BoardDefinition& board, const BoardDefinition& before,
                     std::function<void()> changed)
        : QUndoCommand(text), board_(board), changed_(std::move(changed)),
          headerBefore_(before), headerAfter_(board) {
        for (int x = 0; x < kGridSize; ++x)
            for (int y = 0; y < kGridSize; ++y)
                if (!(before.Cell(x, y) == board.Cell(x, y)))
                    cells_.push_back(CellChange{x, y, before.Cell(x, y), board.Cell(x, y)});
    }

    bool empty() const { return cells_.empty() && headerBefore_ == headerAfter_; }

    void undo() override { apply(false); }
    void redo() override { apply(true); }

private:
    struct CellChange {
        int x, y;
        BoardCell before, after;
    };
    void apply(bool forward) {
        for (const CellChange& c : cells_) board_.Cell(c.x, c.y) = forward ? c.after : c.before;
        (forward ? headerAfter_ : headerBefore_).applyTo(board_);
        changed_();
    }

    BoardDefinition& board_;
    std::function<void()> changed_;
    BoardHeader headerBefore_, headerAfter_;
    std::vector<CellChange> cells_;
};

}  // namespace

CQuorvel1Doc::CQuorvel1Doc(QObject* parent) : QObject(parent), undo_(new QUndoStack(this)) {
    // Any step through the history replaces a change marked by hand: what
    // is modified then is whatever lies between the saved step and here.
    connect(undo_, &QUndoStack::indexChanged, this, [this] { setForced(false); });
    connect(undo_, &QUndoStack::cleanChanged, this, [this] { emit modifiedChanged(IsModified()); });
    OnNewDocument();
}

QString CQuorvel1Doc::displayName() const { return QFileInfo(fileName_).fileName(); }

bool CQuorvel1Doc::hasRealFile() const { return fileName_ != QLatin1String(kUntitledFileName); }

bool CQuorvel1Doc::IsModified() const { return forced_ || !undo_->isClean(); }

void CQuorvel1Doc::setForced(bool forced) {
    const bool was = IsModified();
    forced_ = forced;
    if (was != IsModified()) emit modifiedChanged(IsModified());
}

void CQuorvel1Doc::SetModifiedFlag(bool modified) {
    if (modified) {
        setForced(true);
        return;
    }
    const bool was = IsModified();
    forced_ = false;
    undo_->setClean();
    if (was != IsModified()) emit modifiedChanged(false);
}

void CQuorvel1Doc::commitEdit(const QString& text, const BoardDefinition& before) {
    auto* command = new BoardEditCommand(text, board_, before, [this] { emit boardChanged(); });
    if (command->empty()) {
        delete command;
        return;
    }
    undo_->push(command);  // redraws once more; the edit is already on the board
}

void CQuorvel1Doc::setFileName(const QString& path) {
    if (fileName_ == path) return;
    fileName_ = path;
    emit fileNameChanged(fileName_);
}

bool CQuorvel1Doc::OnNewDocument() {
    DeleteContents();
    undo_->clear();
    SetModifiedFlag(false);
    setFileName(QString::fromLatin1(kUntitledFileName));
    board_.ResetToNewBoard();
    emit boardChanged();
    return true;
}

void CQuorvel1Doc::OnFileNew() {
    if (!SaveModified()) return;
    OnNewDocument();
}

QString CQuorvel1Doc::startFolder() const {
    if (hasRealFile()) {
        const QString dir = QFileInfo(fileName_).absolutePath();
        if (QFileInfo(dir).isDir()) return dir;
    }
    const QString boards = userDataFolder() + QStringLiteral("/boards");
    QDir().mkpath(boards);
    return boards;
}

QString CQuorvel1Doc::askPath(bool save) {
    FileHost::PathQuestion question;
    question.save = save;
    question.folder = startFolder();
    if (save && hasRealFile()) question.selected = displayName();
    return host_->askPath(question);
}

void CQuorvel1Doc::OnFileOpen() {
    // Unsaved edits would be lost by the read, so ask first as New does.
    if (!SaveModified()) return;
    const QString path = askPath(false);
    if (path.isEmpty()) return;
    openPath(path);
}

void CQuorvel1Doc::openRecent(const QString& path) {
    if (!SaveModified()) return;
    openPath(path);
}

bool CQuorvel1Doc::openPath(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = info.isDir() ? QStringLiteral("It is a folder, not a file.") : file.errorString();
        removeRecentFile(info.absoluteFilePath());
        host_->fileMessage(reason.isEmpty() ? QStringLiteral("Failed to open document.")
                                             : QStringLiteral("Cannot open %1.\n%2").arg(path, reason));
        return false;  // board and file name stay as they were
    }
    const qint64 size = file.size();
    file.close();

    DeleteContents();
    undo_->clear();  // the history belongs to the board that was there
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
        setFileName(info.absoluteFilePath());
        SetModifiedFlag(false);
        addRecentFile(info.absoluteFilePath());
    } else {
        DeleteContents();
        // The board no longer matches that file: Save must ask for a name
        // rather than overwrite it.
        setFileName(QString::fromLatin1(kUntitledFileName));
        SetModifiedFlag(true);
    }
    emit boardChanged();
    if (!ok) host_->fileMessage(QStringLiteral("Unexpected file format."));
    return ok;
}

bool CQuorvel1Doc::OnFileSave() {
    if (!hasRealFile()) return OnFileSaveAs();
    return savePath(fileName_);
}

bool CQuorvel1Doc::OnFileSaveAs() {
    const QString path = askPath(true);
    if (path.isEmpty()) return false;
    setFileName(path);
    return savePath(path);
}

bool CQuorvel1Doc::savePath(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir() || !info.absoluteDir().exists()) {
        host_->fileMessage(QStringLiteral("Cannot create %1.\nInvalid filename.").arg(path));
        return false;
    }
    const std::string bytes = EncodeBoard(board_);
    emit boardChanged();
    // An empty encoding would replace a good file by nothing.
    if (bytes.empty()) {
        host_->fileMessage(QStringLiteral("Failed to save document."));
        return false;
    }
    errno = 0;
    if (!writeFileAtomically(QFile::encodeName(info.absoluteFilePath()).toStdString(), bytes)) {
        const int err = errno;
        QString text = QStringLiteral("Failed to save document.\n%1").arg(path);
        if (err != 0) text += QStringLiteral("\n") + QString::fromLocal8Bit(std::strerror(err));
        host_->fileMessage(text);
        return false;
    }
    SetModifiedFlag(false);
    addRecentFile(info.absoluteFilePath());
    return true;
}

bool CQuorvel1Doc::SaveModified() {
    if (!IsModified()) return true;
    switch (host_->askSaveChanges(QStringLiteral("Save changes to %1?").arg(displayName()))) {
    case FileHost::Answer::Yes: return OnFileSave();
    case FileHost::Answer::No: return true;
    case FileHost::Answer::Cancel: break;
    }
    return false;
}

QStringList CQuorvel1Doc::recentFiles() const {
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.beginGroup(QLatin1String(kRecentGroup));
    QStringList files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString f = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!f.isEmpty() && !files.contains(f)) files << f;
    }
    return files;
}

void CQuorvel1Doc::addRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    writeRecentFiles(files);
}

void CQuorvel1Doc::removeRecentFile(const QString& path) {
    QStringList files = recentFiles();
    if (files.removeAll(path)) writeRecentFiles(files);
}

}  // namespace vortan::designer
