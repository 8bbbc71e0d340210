#include "core/notes/notestore.h"

#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandeck;

namespace {

using NoteStore = WorkFolderTest;

TEST(NoteFileName, FollowsYearMonthDay)
{
    const struct
    {
        Int16 day, month, year;
        const char* expected;
    } cases[] = {
        {5, 12, 2007, "data/2007-12-05.txt"}, {31, 10, 2007, "data/2007-10-31.txt"},
        {1, 1, 1900, "data/1900-01-01.txt"},  {10, 10, 2010, "data/2010-10-10.txt"},
        {0, 12, 2007, "data/2007-12-00.txt"}, {1, 0, 2007, "data/2007-00-01.txt"},
        {9, 9, 999, "data/999-09-09.txt"},    {1, 1, -5, "data/-5-01-01.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileName(c.day, c.month, c.year), QString::fromLatin1(c.expected));
    }
}

TEST_F(NoteStore, WritesExactlyTheNoteBytes)
{
    ASSERT_TRUE(UpdateData(5, 12, 2007, "ab\r\nc").isOk());
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("ab\r\nc"));
    EXPECT_EQ(GetData(5, 12, 2007).bytes, QByteArray("ab\r\nc"));
}

TEST_F(NoteStore, EveryByteRoundTripsInEveryPosition)
{
    QByteArray bytes = allBytes();
    for (int shift = 0; shift < 256; shift += 37) {
        const QByteArray rotated = bytes.mid(shift) + bytes.left(shift);
        ASSERT_TRUE(UpdateData(1, 1, 2001, rotated).isOk());
        EXPECT_EQ(readFile("data/2001-01-01.txt"), rotated);
        EXPECT_EQ(GetData(1, 1, 2001).bytes, rotated);
    }
}

TEST_F(NoteStore, ShorterNoteLeavesNothingOfTheLongerOne)
{
    writeFile("data/2007-12-05.txt", "0123456789");
    ASSERT_TRUE(UpdateData(5, 12, 2007, "abc").isOk());
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("abc"));
}

TEST_F(NoteStore, ReadsForeignFilesByteByByte)
{
    writeFile("data/2007-12-05.txt", "\x41\x42\x43");
    EXPECT_EQ(GetData(5, 12, 2007).bytes, QByteArray("ABC"));
    writeFile("data/2007-12-06.txt", "");
    const NoteRead empty = GetData(6, 12, 2007);
    EXPECT_TRUE(empty.isReadable());
    EXPECT_TRUE(empty.bytes.isEmpty());
}

TEST_F(NoteStore, MissingNotesAndFoldersReadAsEmpty)
{
    const NoteRead noFolder = GetData(5, 12, 2007);
    EXPECT_TRUE(noFolder.isReadable());
    EXPECT_TRUE(noFolder.bytes.isEmpty());
    EXPECT_FALSE(exists("data")) << "reading must not create the folder";
    QDir().mkdir("data");
    EXPECT_TRUE(GetData(5, 12, 2007).bytes.isEmpty());
}

TEST_F(NoteStore, DeleteRemovesTheNoteAndIgnoresMissingOnes)
{
    EXPECT_TRUE(DeleteData(5, 12, 2007).isOk()) << "no folder";
    writeFile("data/2007-12-05.txt", "x");
    EXPECT_TRUE(DeleteData(5, 12, 2007).isOk());
    EXPECT_FALSE(exists("data/2007-12-05.txt"));
    EXPECT_TRUE(DeleteData(5, 12, 2007).isOk()) << "already gone";
    EXPECT_TRUE(entries("data").isEmpty());
}

TEST_F(NoteStore, EmptyNoteIsNeverWrittenAsAFile)
{
    writeFile("data/2007-12-05.txt", "old");
    ASSERT_TRUE(UpdateData(5, 12, 2007, QByteArray()).isOk());
    EXPECT_FALSE(exists("data/2007-12-05.txt"));
}

TEST_F(NoteStore, CreatesTheDataFolderOnTheFirstSave)
{
    ASSERT_TRUE(UpdateData(1, 2, 2026, "first").isOk());
    EXPECT_EQ(readFile("data/2026-02-01.txt"), QByteArray("first"));
    EXPECT_EQ(entries("data"), QStringList{"2026-02-01.txt"}) << "no saving file left behind";
}

TEST_F(NoteStore, OddEntriesWithANoteNameAreNoNotes)
{
    QDir().mkpath("data/2007-12-01.txt");
    ASSERT_EQ(::mkfifo("data/2007-12-02.txt", 0600), 0);
    ASSERT_EQ(::symlink("nowhere.txt", "data/2007-12-03.txt"), 0);
    for (const Int16 day : {Int16(1), Int16(2), Int16(3)}) {
        const NoteRead note = GetData(day, 12, 2007);
        EXPECT_TRUE(note.isReadable()) << day;
        EXPECT_TRUE(note.bytes.isEmpty()) << day;
        EXPECT_TRUE(DeleteData(day, 12, 2007).isOk()) << day;
    }
    EXPECT_TRUE(QFileInfo("data/2007-12-01.txt").isDir());
    EXPECT_TRUE(exists("data/2007-12-02.txt"));
    EXPECT_TRUE(QFileInfo("data/2007-12-03.txt").isSymLink());
    // Saving over them fails with a reason instead of replacing them.
    EXPECT_FALSE(UpdateData(1, 12, 2007, "x").isOk());
    EXPECT_FALSE(UpdateData(2, 12, 2007, "x").isOk());
    EXPECT_FALSE(UpdateData(3, 12, 2007, "x").isOk());
    EXPECT_TRUE(QFileInfo("data/2007-12-01.txt").isDir());
}

TEST_F(NoteStore, ALinkKeepsPointingAtItsTargetAndModeIsKept)
{
    writeFile("synced/target.txt", "old");
    ASSERT_EQ(::chmod("synced/target.txt", 0640), 0);
    QDir().mkdir("data");
    ASSERT_EQ(::symlink("../synced/target.txt", "data/2007-12-05.txt"), 0);
    EXPECT_EQ(GetData(5, 12, 2007).bytes, QByteArray("old"));
    ASSERT_TRUE(UpdateData(5, 12, 2007, "new").isOk());
    EXPECT_TRUE(QFileInfo("data/2007-12-05.txt").isSymLink());
    EXPECT_EQ(readFile("synced/target.txt"), QByteArray("new"));
    struct stat st
    {
    };
    ASSERT_EQ(::stat("synced/target.txt", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Each way a save can fail keeps the old note byte for byte and says why.
TEST_F(NoteStore, FailedSaveKeepsTheOldNote)
{
    writeFile("data/2007-12-05.txt", "old note");
    QDir().mkdir("data/2007-12-06.txt");

    const StoreResult intoDirectory = UpdateData(6, 12, 2007, "new");
    EXPECT_FALSE(intoDirectory.isOk());
    EXPECT_TRUE(intoDirectory.error.contains("2007-12-06")) << intoDirectory.error.toStdString();

    // The file size limit cuts the write short.
    struct rlimit old
    {
    };
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const StoreResult tooLarge = UpdateData(5, 12, 2007, "a much longer new note");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(tooLarge.isOk());
    EXPECT_TRUE(tooLarge.error.contains("File too large")) << tooLarge.error.toStdString();
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("old note"));
    EXPECT_EQ(entries("data"), (QStringList{"2007-12-05.txt", "2007-12-06.txt"}));

    // Once the cause is gone the next save succeeds.
    ASSERT_TRUE(UpdateData(5, 12, 2007, "a much longer new note").isOk());
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("a much longer new note"));
}

TEST_F(NoteStore, DataBeingAFileFailsWithAReason)
{
    writeFile("data", "not a folder");
    const StoreResult result = UpdateData(5, 12, 2007, "x");
    EXPECT_FALSE(result.isOk());
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(readFile("data"), QByteArray("not a folder"));
    EXPECT_TRUE(GetData(5, 12, 2007).isReadable());
}

TEST_F(NoteStore, ASaveAfterACrashReusesTheLeftoverSavingFile)
{
    writeFile("data/.2007-12-05.txt.saving", "half of a note from a crashed sav");
    ASSERT_TRUE(UpdateData(5, 12, 2007, "whole").isOk());
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("whole"));
    EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
    EXPECT_EQ(savingFileName("2007-12-05.txt"), QStringLiteral(".2007-12-05.txt.saving"));
}

TEST_F(NoteStore, UnreadableNoteIsAnErrorNotAnEmptyNote)
{
    writeFile("data/2007-12-05.txt", "secret");
    ASSERT_EQ(::chmod("data/2007-12-05.txt", 0), 0);
    const WithoutFilePowers unprivileged;
    const NoteRead note = GetData(5, 12, 2007);
    EXPECT_FALSE(note.isReadable());
    EXPECT_TRUE(note.error.contains("2007-12-05")) << note.error.toStdString();
}

} // namespace

namespace {

// Reading /proc/self/mem at offset 0 fails with EIO: a real I/O error.
TEST_F(NoteStore, ReadErrorIsReportedNotTakenForAnEmptyNote)
{
    QDir().mkdir("data");
    ASSERT_EQ(::symlink("/proc/self/mem", "data/2007-12-05.txt"), 0);
    const NoteRead note = GetData(5, 12, 2007);
    EXPECT_FALSE(note.isReadable());
    EXPECT_TRUE(note.error.contains("Input/output error")) << note.error.toStdString();
}

} // namespace
