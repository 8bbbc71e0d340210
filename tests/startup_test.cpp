#include "startup/frontdoor.h"

#include "core/reminder/digest.h"
#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <vector>

using namespace plandeck;

namespace {

TEST(RunMode, OnlyTheExactSingleArgumentSelectsReminders)
{
    const struct
    {
        std::vector<const char*> arguments;
        RunMode mode;
    } cases[] = {
        {{"plandeck"}, RunMode::Normal},
        {{"plandeck", "remind"}, RunMode::Remind},
        {{"plandeck", "Remind"}, RunMode::Normal},
        {{"plandeck", "REMIND"}, RunMode::Normal},
        {{"plandeck", "remind "}, RunMode::Normal},
        {{"plandeck", " remind"}, RunMode::Normal},
        {{"plandeck", "/remind"}, RunMode::Normal},
        {{"plandeck", "remind", "again"}, RunMode::Normal},
        {{"plandeck", ""}, RunMode::Normal},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runModeFromArguments(int(c.arguments.size()), c.arguments.data()), c.mode)
            << c.arguments.size();
    }
}

struct FolderCase
{
    const char* name;
    void (*prepare)();
    bool nothing;
};

void PrintTo(const FolderCase& row, std::ostream* out)
{
    *out << row.name;
}

void note(const char* path, const QByteArray& bytes)
{
    QDir().mkpath(QStringLiteral("data"));
    QFile file(QString::fromLatin1(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

using NothingToRemindSpecial = WorkFolderTest;

class NothingToRemind : public WorkFolderTest, public ::testing::WithParamInterface<FolderCase>
{
};

// The check made before Qt loads must agree with the digest the window
// program would build: it may only say "nothing" when the digest is empty.
TEST_P(NothingToRemind, AgreesWithTheDigest)
{
    GetParam().prepare();
    EXPECT_EQ(nothingToRemind(5, 12, 2026), GetParam().nothing);
    if (!QFileInfo::exists(QStringLiteral("ft.txt"))) {
        EXPECT_EQ(reminderDigest(5, 12, 2026).isEmpty(), GetParam().nothing);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, NothingToRemind,
    ::testing::Values(FolderCase{"EmptyFolder", [] {}, true},
                      FolderCase{"OtherDaysOnly", [] { note("data/2026-12-06.txt", "x"); }, true},
                      FolderCase{"TodaysNote", [] { note("data/2026-12-05.txt", "x"); }, false},
                      FolderCase{"NoteIn1900", [] { note("data/1900-12-05.txt", "x"); }, false},
                      FolderCase{"NoteIn1899", [] { note("data/1899-12-05.txt", "x"); }, true},
                      FolderCase{"NextYear", [] { note("data/2027-12-05.txt", "x"); }, true},
                      FolderCase{"EmptyFile", [] { note("data/2020-12-05.txt", ""); }, true},
                      FolderCase{"FolderWithANotesName",
                                 [] { QDir().mkpath(QStringLiteral("data/2020-12-05.txt")); },
                                 true},
                      FolderCase{"DataIsAFile",
                                 [] {
                                     QFile data(QStringLiteral("data"));
                                     ASSERT_TRUE(data.open(QIODevice::WriteOnly));
                                 },
                                 true},
                      FolderCase{"WelcomeMarker",
                                 [] {
                                     QFile marker(QStringLiteral("ft.txt"));
                                     ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
                                 },
                                 false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(NothingToRemindSpecial, UnreadableNoteIsLeftToTheWindowProgram)
{
    QDir().mkpath(QStringLiteral("data"));
    QDir().mkpath(QStringLiteral("data/locked"));
    ASSERT_EQ(::symlink("locked/2026-12-05.txt", "data/2026-12-05.txt"), 0);
    ASSERT_EQ(::chmod("data/locked", 0), 0);
    {
        const WithoutFilePowers unprivileged;
        EXPECT_FALSE(nothingToRemind(5, 12, 2026)) << "a lookup that fails for another reason";
    }
    ::chmod("data/locked", 0700);
}

} // namespace
