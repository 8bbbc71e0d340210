#include "core/notes/notestore.h"

#include "workfolder.h"

#include <sys/stat.h>

using namespace plandeck;

namespace {

const QString kNote = QStringLiteral("data/2007-12-05.txt");

using NoteStore = WorkFolderTest;

// A save replaces whatever was there with exactly the new bytes, leaves no
// other file behind, and an empty note has no file.
TEST_F(NoteStore, SavingWritesExactlyTheNewBytes)
{
    const std::tuple<QByteArray, QByteArray, QByteArray> rows[] = {
        // Before (no data folder when empty) | a saving file left by a crash | saved.
        {"", "", allBytes() + allBytes().left(9)},
        {"0123456789", "", "abc"},
        {"old", "", ""},
        {"", "half of a note from a crash", "whole"}};
    for (const auto& [before, leftover, saved] : rows) {
        SCOPED_TRACE(saved.toStdString());
        QDir(QStringLiteral("data")).removeRecursively();
        if (!before.isEmpty()) {
            writeFile(kNote, before);
        }
        if (!leftover.isEmpty()) {
            writeFile(QStringLiteral("data/.2007-12-05.txt.saving"), leftover);
        }
        EXPECT_EQ(GetData(5, 12, 2007).bytes, before) << "a saving file is never read as a note";
        ASSERT_TRUE(UpdateData(5, 12, 2007, saved).isOk());
        EXPECT_EQ(readFile(kNote), saved);
        EXPECT_EQ(entries("data"), saved.isEmpty() ? QStringList() : QStringList{"2007-12-05.txt"});
    }
}

TEST_F(NoteStore, ALinkKeepsPointingAtItsTargetAndTheModeIsKept)
{
    writeFile("synced/target.txt", "old");
    ASSERT_EQ(::chmod("synced/target.txt", 0640) | ::mkdir("data", 0700) |
                  ::symlink("../synced/target.txt", "data/2007-12-05.txt"),
              0);
    ASSERT_TRUE(UpdateData(5, 12, 2007, "new").isOk());
    EXPECT_TRUE(QFileInfo(kNote).isSymLink());
    EXPECT_EQ(readFile("synced/target.txt"), QByteArray("new"));
    EXPECT_EQ(QFileInfo(QStringLiteral("synced/target.txt")).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                  QFile::ReadGroup);
}

} // namespace
