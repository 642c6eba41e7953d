#include "file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace vortan::designer {

FileHost::Answer DialogFileHost::askSaveChanges(const QString& question) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kAppTitle), question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString DialogFileHost::askPath(const PathQuestion& question) {
    // Qt's own dialog everywhere, so that it looks and behaves the same on
    // every desktop; it asks before overwriting an existing file.
    QFileDialog dialog(window_, question.save ? QStringLiteral("Save As") : QStringLiteral("Open"), question.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({QString::fromLatin1(kBoardFilter), QStringLiteral("All Files (*)")});
    dialog.setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A name typed without an extension gets ".dat", so that Open's board
    // filter shows the file again.
    if (question.save) dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (!question.selected.isEmpty()) dialog.selectFile(question.selected);
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

void DialogFileHost::fileMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace vortan::designer
