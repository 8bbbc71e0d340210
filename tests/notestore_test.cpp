#include "core/notes/notestore.h"

#include "workfolder.h"

#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandeck;

namespace {

const QString kNote = QStringLiteral("data/2007-12-05.txt");

// A save replaces whatever was there with exactly the new bytes, leaves no
// other file behind, and an empty note has no file.
struct SaveCase
{
    const char* name;
    QByteArray before;
    QByteArray leftover; // a saving file from a crashed save
    QByteArray saved;
};

class Saving : public WorkFolderTest, public ::testing::WithParamInterface<SaveCase>
{
};

TEST_P(Saving, WritesExactlyTheNewBytes)
{
    const SaveCase& c = GetParam();
    if (!c.before.isEmpty()) {
        writeFile(kNote, c.before);
    }
    if (!c.leftover.isEmpty()) {
        writeFile(QStringLiteral("data/") + savingFileName(QStringLiteral("2007-12-05.txt")),
                  c.leftover);
    }
    EXPECT_EQ(GetData(5, 12, 2007).bytes, c.before) << "a saving file is never read as a note";
    ASSERT_TRUE(UpdateData(5, 12, 2007, c.saved).isOk());
    EXPECT_EQ(readFile(kNote), c.saved);
    EXPECT_EQ(GetData(5, 12, 2007).bytes, c.saved);
    EXPECT_EQ(entries("data"), c.saved.isEmpty() ? QStringList() : QStringList{"2007-12-05.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Notes, Saving,
    ::testing::Values(SaveCase{"FirstSaveCreatesTheFolder", "", "", "ab\r\nc"},
                      SaveCase{"EveryByteValue", "", "", allBytes() + allBytes().left(9)},
                      SaveCase{"ShorterReplacesLonger", "0123456789", "", "abc"},
                      SaveCase{"EmptyNoteDeletesTheFile", "old", "", ""},
                      SaveCase{"LeftoverSavingFileIsReused", "", "half of a note from a crash",
                               "whole"}),
    [](const auto& row) { return std::string(row.param.name); });

using NoteStore = WorkFolderTest;

TEST_F(NoteStore, ALinkKeepsPointingAtItsTargetAndTheModeIsKept)
{
    writeFile("synced/target.txt", "old");
    ASSERT_EQ(::chmod("synced/target.txt", 0640), 0);
    QDir().mkdir("data");
    ASSERT_EQ(::symlink("../synced/target.txt", "data/2007-12-05.txt"), 0);
    ASSERT_TRUE(UpdateData(5, 12, 2007, "new").isOk());
    EXPECT_TRUE(QFileInfo(kNote).isSymLink());
    EXPECT_EQ(readFile("synced/target.txt"), QByteArray("new"));
    struct stat st
    {
    };
    ASSERT_EQ(::stat("synced/target.txt", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

} // namespace
