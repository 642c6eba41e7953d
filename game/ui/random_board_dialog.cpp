#include "random_board_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <thread>

#include "platform/dialog_style.h"

namespace vortan {

namespace {

QString difficultyText(int d) {
    switch (d) {
    case 0: return CRandomBoardDlg::tr("Easy");
    case 1: return CRandomBoardDlg::tr("Medium");
    case 2: return CRandomBoardDlg::tr("Hard");
    default: return CRandomBoardDlg::tr("Expert");
    }
}

QString recordsText(const RandomRecords& records) {
    QString text = CRandomBoardDlg::tr("Best results:");
    for (int d = 0; d < kRandomDifficulties; ++d) {
        const RandomBest& b = records.best(d);
        QString line;
        if (b.fewestMoves <= 0)
            line = CRandomBoardDlg::tr("no game won yet");
        else
            line = CRandomBoardDlg::tr("%1 moves (%2), %3 s left (%4)")
                       .arg(b.fewestMoves)
                       .arg(QString::fromStdString(b.fewestMovesId))
                       .arg(b.mostTimeLeft < 0 ? 0 : b.mostTimeLeft)
                       .arg(QString::fromStdString(b.mostTimeLeftId));
        // A difficulty and its best result, as a language writes such a pair.
        text += QStringLiteral("\n") + CRandomBoardDlg::tr("%1: %2").arg(difficultyText(d), line);
    }
    return text;
}

}  // namespace

CRandomBoardDlg::CRandomBoardDlg(const RandomRecords& records, int difficulty, QWidget* parent)
    : QDialog(parent), difficulty_(new QComboBox(this)), id_(new QLineEdit(this)), records_(new QLabel(this)) {
    setObjectName(QStringLiteral("randomBoardDialog"));
    setWindowTitle(tr("Random Board"));
    for (int d = 0; d < kDifficultyCount; ++d) difficulty_->addItem(difficultyText(d));
    difficulty_->setCurrentIndex(difficulty >= 0 && difficulty < kDifficultyCount ? difficulty : 0);
    id_->setPlaceholderText(tr("empty for a new board"));
    id_->setMaxLength(32);
    records_->setText(recordsText(records));
    auto* form = new QFormLayout;
    form->addRow(tr("&Difficulty:"), difficulty_);
    form->addRow(tr("Board &ID:"), id_);
    auto* note = new QLabel(tr("A board ID rebuilds that board; its difficulty comes with it."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Generate"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(records_);
    layout->addWidget(buttons);
    applyDialogColours(this);
}

int CRandomBoardDlg::difficulty() const { return difficulty_->currentIndex(); }

QString CRandomBoardDlg::boardId() const { return id_->text().trimmed(); }

QString boardIdProblemMessage(const ParsedId& parsed) {
    switch (parsed.problem) {
    case IdProblem::None: return {};
    case IdProblem::Malformed:
        return CRandomBoardDlg::tr("This is not a board ID. A board ID is a letter (E, M, H or X) and eight "
                                   "characters, like H-3AVB-FHFZ.");
    case IdProblem::Mistyped:
        return CRandomBoardDlg::tr("This board ID has a typing mistake: its last character does not match the "
                                   "others. Please check it.");
    case IdProblem::OtherGenerator:
        return CRandomBoardDlg::tr("This board ID comes from another version of the game (board generator %1); "
                                   "this version builds generator %2 boards.")
            .arg(parsed.id.generator)
            .arg(kGeneratorVersion);
    }
    return {};
}

GenerateStatus makeRandomBoard(QWidget* parent, const BoardId& id, RandomBoard& out) {
    // Shared with the worker, which is joined before this returns.
    struct Job {
        std::atomic<bool> cancel{false};
        std::atomic<bool> done{false};
        std::atomic<int> progress{0};
        RandomBoard board;
        GenerateStatus status = GenerateStatus::NotFound;
    } job;
    std::thread worker([&job, &id] {
        job.status = GenerateRandomBoard(id, job.board, {&job.cancel, &job.progress});
        job.done.store(true);
    });

    QProgressDialog progress(QObject::tr("Building a board that can be won..."), QObject::tr("Cancel"), 0,
                             kMaxCandidates, parent);
    progress.setObjectName(QStringLiteral("randomBoardProgress"));
    progress.setWindowTitle(QObject::tr("Random Board"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (job.done.load()) {
            loop.quit();
            return;
        }
        if (progress.wasCanceled()) job.cancel.store(true);
        progress.setValue(job.progress.load());
    });
    poll.start();
    loop.exec();
    worker.join();
    // Asked before closing: closing a progress dialog counts as Cancel.
    const bool cancelled = progress.wasCanceled();
    progress.close();
    if (job.status == GenerateStatus::Made) out = job.board;
    return cancelled ? GenerateStatus::Cancelled : job.status;
}

}  // namespace vortan
