// The designer's File commands on the document alone: the save question,
// the chosen paths, good, damaged and hostile files, failed writes and the
// recent-file list, with a host that answers at once instead of dialogs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "board/board_file.h"
#include "board/file_io.h"
#include "designer/document.h"
#include "tests/support/file_bytes.h"
#include "platform/install_paths.h"

using namespace vortan;
using namespace vortan::designer;

namespace {

using vortan::testing::readBytes;
using vortan::testing::writeBytes;

// Answers queued by the test, in order; what was asked is recorded.
struct ScriptedHost : FileHost {
    QList<Answer> answers;
    QStringList paths;
    QStringList questions, messages;
    std::vector<PathQuestion> pathQuestions;

    Answer askSaveChanges(const QString& question) override {
        questions << question;
        EXPECT_FALSE(answers.isEmpty()) << "no answer queued";
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    QString askPath(const PathQuestion& question) override {
        pathQuestions.push_back(question);
        EXPECT_FALSE(paths.isEmpty()) << "no path queued";
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    void fileMessage(const QString& text) override { messages << text; }
};

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(userDataFolder() + "/designer.ini");  // no recent files from another test
        doc.setFileHost(&host);
    }
    void TearDown() override {
        EXPECT_TRUE(host.answers.empty() && host.paths.empty()) << "answers left unused";
    }
    QString at(const QString& name) const { return dir.path() + "/" + name; }
    void edit(const char* name) {
        doc.board().gameName = name;
        doc.SetModifiedFlag(true);
    }
    std::string savedName(const QString& path) {
        BoardDefinition read;
        EXPECT_TRUE(ReadBoardFile(QFile::encodeName(path).toStdString(), read).read.ok());
        return read.gameName;
    }

    QTemporaryDir dir;
    ScriptedHost host;
    CQuorvel1Doc doc;
};

TEST_F(FileCommands, TheSaveQuestionGoesOnStopsOrSavesFirst) {
    using A = FileHost::Answer;
    doc.OnFileNew();  // unmodified: no question
    EXPECT_TRUE(host.questions.isEmpty());

    // Cancel stops New and Exit; No drops the edits.
    edit("Kept");
    host.answers = {A::Cancel, A::Cancel, A::No};
    doc.OnFileNew();
    EXPECT_FALSE(doc.SaveModified());  // as Exit asks
    EXPECT_EQ(doc.board().gameName, "Kept");
    EXPECT_EQ(host.questions.value(0), "Save changes to untitled.dat?");
    doc.OnFileNew();
    EXPECT_EQ(doc.board().gameName, "Game");
    EXPECT_FALSE(doc.IsModified());

    // Yes on a board without a file asks where: a cancelled dialog abandons
    // the command, a chosen file is saved and New goes on.
    edit("Saved");
    host.answers = {A::Yes, A::Yes};
    host.paths = {QString(), at("fromquestion.dat")};
    doc.OnFileNew();
    EXPECT_EQ(doc.board().gameName, "Saved");
    doc.OnFileNew();
    EXPECT_TRUE(host.pathQuestions.at(1).save);
    EXPECT_EQ(savedName(at("fromquestion.dat")), "Saved");
    EXPECT_EQ(doc.board().gameName, "Game");

    // With a file of its own the question names it and Yes saves there
    // without a dialog; Open asks the same before reading another file.
    ASSERT_TRUE(doc.openPath(at("fromquestion.dat")));
    edit("Named");
    host.answers = {A::Yes, A::Cancel};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(host.questions.back(), "Save changes to fromquestion.dat?");
    EXPECT_EQ(savedName(at("fromquestion.dat")), "Named");
    edit("Edited");
    doc.OnFileOpen();
    EXPECT_EQ(host.pathQuestions.size(), 2u);  // no dialog after Cancel
    EXPECT_EQ(doc.board().gameName, "Edited");
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(FileCommands, GoodDamagedHostileAndEmptyFilesAndFailedSaves) {
    // A good file is read and saved back byte for byte.
    BoardDefinition made;
    made.gameName = "Opened";
    made.Cell(4, 5) = BoardCell{RegionCode::Green, BoxCode::Your, 0};
    const std::string good = EncodeBoard(made);
    writeBytes(at("good.dat"), good);

    host.paths = {at("good.dat")};
    doc.OnFileOpen();
    EXPECT_EQ(doc.board().gameName, "Opened");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(readBytes(at("good.dat")), good);  // the same bytes back

    // A failed save keeps the old file and the modified flag.
    const QString path = at("keep.dat");
    ASSERT_TRUE(doc.savePath(path));
    const std::string before = readBytes(path);
    edit("Changed");
    setAtomicWriteFaultHook([](std::size_t written) { return written < 100; });
    EXPECT_FALSE(doc.savePath(path));
    setAtomicWriteFaultHook(nullptr);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].startsWith("Failed to save document.\n" + path));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(doc.IsModified());

    EXPECT_FALSE(doc.savePath(at("missing/folder/x.dat")));
    EXPECT_EQ(host.messages.value(1), "Cannot create " + at("missing/folder/x.dat") + ".\nInvalid filename.");

    // Cut short, another version text, a huge string length: a message,
    // cleared cells, still modified, and no file name, so Save asks for one
    // rather than overwrite what the user has.
    std::string wrong = good;
    wrong[1] = 'v';
    const std::string hostile = std::string("\x09Version 1", 10) + "\xff\xff\xff\xff\xff\xff\x7f";
    for (const std::string& bytes : {good.substr(0, 1500), wrong, hostile}) {
        ASSERT_TRUE(doc.openPath(at("good.dat")));
        writeBytes(at("bad.dat"), bytes);
        host.messages.clear();
        EXPECT_FALSE(doc.openPath(at("bad.dat")));
        EXPECT_EQ(host.messages, QStringList{"Unexpected file format."});
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.fileName(), "untitled.dat");
        EXPECT_EQ(doc.board().Cell(4, 5), BoardDefinition().Cell(4, 5));
        host.paths = {QString()};
        EXPECT_FALSE(doc.OnFileSave());
        EXPECT_EQ(readBytes(at("bad.dat")), bytes);
    }

    // An empty file is an empty board, without a message.
    writeBytes(at("empty.dat"), std::string());
    host.messages.clear();
    EXPECT_TRUE(doc.openPath(at("empty.dat")));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(doc.board().Cell(21, 21).region, RegionCode::White);

    // A file that cannot be opened leaves the board and its name alone.
    doc.board().gameName = "Untouched";
    EXPECT_FALSE(doc.openPath(at("does-not-exist.dat")));
    EXPECT_FALSE(doc.openPath(dir.path()));
    EXPECT_EQ(host.messages.size(), 2);
    EXPECT_TRUE(host.messages[1].contains("folder"));
    EXPECT_EQ(doc.board().gameName, "Untouched");
    EXPECT_EQ(doc.fileName(), at("empty.dat"));
}

TEST_F(FileCommands, WhereTheDialogsStartAndTheRecentFiles) {
    // A new board: Save asks, from the boards folder, offering no name.
    host.paths = {at("first.dat")};
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(QDir(host.pathQuestions.at(0).folder), QDir(userDataFolder() + "/boards"));
    EXPECT_TRUE(QFileInfo(userDataFolder() + "/boards").isDir());
    EXPECT_TRUE(host.pathQuestions[0].selected.isEmpty());
    // Named, Save writes without asking; Save As offers the board's own
    // name in the board's own folder.
    edit("Second");
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(savedName(at("first.dat")), "Second");
    host.paths = {at("b1.dat")};
    EXPECT_TRUE(doc.OnFileSaveAs());
    ASSERT_EQ(host.pathQuestions.size(), 2u);
    EXPECT_EQ(host.pathQuestions[1].selected, "first.dat");
    EXPECT_EQ(QDir(host.pathQuestions[1].folder), QDir(dir.path()));
    EXPECT_EQ(doc.displayName(), "b1.dat");

    // Four boards, newest first; a fifth pushes out the oldest.
    for (int i = 2; i <= 5; ++i) ASSERT_TRUE(doc.savePath(at(QStringLiteral("b%1.dat").arg(i))));
    EXPECT_EQ(doc.recentFiles(), (QStringList{at("b5.dat"), at("b4.dat"), at("b3.dat"), at("b2.dat")}));
    doc.openRecent(at("b3.dat"));
    EXPECT_EQ(doc.recentFiles().first(), at("b3.dat"));
    EXPECT_EQ(doc.recentFiles().size(), 4);

    // A recent file that is gone is said so and leaves the list.
    QFile::remove(at("b4.dat"));
    doc.openRecent(at("b4.dat"));
    EXPECT_EQ(host.messages.size(), 1);
    EXPECT_FALSE(doc.recentFiles().contains(at("b4.dat")));
    EXPECT_EQ(doc.fileName(), at("b3.dat"));
}

}  // namespace
