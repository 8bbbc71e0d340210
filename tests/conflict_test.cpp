#include "core/notes/conflictcopies.h"
#include "core/notes/mergenotes.h"
#include "core/reminder/digest.h"
#include "core/report/report.h"
#include "workfolder.h"

#include <QRandomGenerator>

using namespace plandeck;

namespace {

// Every tool's copy of 6 December 2026 is recognised with its kind; notes,
// the store's hidden files, other days' look-alikes and impossible dates are not.
TEST(ConflictCopies, NamesAreRecognisedByKind)
{
    const std::pair<QString, std::optional<CopyKind>> rows[] = {
        {"2026-12-06.sync-conflict-20261206-173516-6KXXKVO.txt", CopyKind::Syncthing},
        {"2026-12-06.sync-conflict-20261206-173516-6KXXKVO.sync-conflict-20261207-080000-ABCDEFG."
         "txt",
         CopyKind::Syncthing},
        {"2026-12-06 (conflicted copy 2026-12-06 173516).txt", CopyKind::Nextcloud},
        {"2026-12-06_conflict-20261206-173516.txt", CopyKind::OwnCloud},
        {"2026-12-06 (Anna's conflicted copy 2026-12-06).txt", CopyKind::Dropbox},
        {"2026-12-06 (Anna’s conflicted copy 2026-12-06 (1)).txt", CopyKind::Dropbox},
        {"2026-12-06.txt.outside-20261206T173516", CopyKind::Kept},
        {"2026-12-06.txt.outside-20261206T173516-2", CopyKind::Kept},
        {"2026-12-06.outside-20261206-173516-3.txt", CopyKind::Kept},
        {"2026-12-06.txt", std::nullopt},
        {".2026-12-06.txt.saving", std::nullopt},
        {"2026-12-06.sync-conflict-20261206-173516-6KXXKVO.txt.tmp", std::nullopt},
        {"2026-12-06.txt.outside-20261206T173516.swp", std::nullopt},
        {"x2026-12-06_conflict-20261206-173516.txt", std::nullopt},
        {"2026-02-30_conflict-20261206-173516.txt", std::nullopt}};
    for (const auto& [name, kind] : rows) {
        SCOPED_TRACE(name.toStdString());
        const std::optional<ConflictCopy> copy = parseCopyName(name);
        ASSERT_EQ(copy.has_value(), kind.has_value());
        if (copy) {
            EXPECT_EQ(copy->kind, *kind);
            EXPECT_EQ(copy->date, QDate(2026, 12, 6));
            EXPECT_EQ(copy->path, "data/" + name);
        }
    }
    const QString kept = keptCopyName(6, 12, 2026, QDateTime({2026, 12, 6}, {17, 35, 16}), 3);
    EXPECT_EQ(kept, "data/2026-12-06.outside-20261206-173516-3.txt");
    EXPECT_EQ(parseCopyName(kept.mid(5))->kind, CopyKind::Kept);
}

using ConflictFolder = WorkFolderTest;

TEST_F(ConflictFolder, ADayListsItsOwnCopiesOnly)
{
    for (const char* name : {"2026-12-06.txt", "2026-12-06_conflict-20261206-173516.txt",
                             "2026-12-06.txt.outside-20261206T173516", "2026-12-07.txt",
                             "2026-12-07 (conflicted copy 2026-12-07 173516).txt", "notes.txt"}) {
        writeFile(QStringLiteral("data/") + name, "x");
    }
    QDir().mkpath("data/2026-12-06.sync-conflict-20261206-173516-6KXXKVO.txt");
    const QList<ConflictCopy> copies = conflictCopies(6, 12, 2026);
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(copies[0].kind, CopyKind::Kept);
    EXPECT_EQ(copies[1].path, "data/2026-12-06_conflict-20261206-173516.txt");
    EXPECT_EQ(allConflictCopies().size(), 3);
    EXPECT_EQ(allConflictCopies().last().date, QDate(2026, 12, 7));
    // The reminder lists a note's copies after it, as copies.
    writeFile("data/2025-12-06.txt.outside-20251206T101010", "y");
    EXPECT_EQ(reminderDigest(6, 12, 2026),
              "x\r\n(Beside this note, a text kept by Plandeck: "
              "data/2026-12-06.txt.outside-20261206T173516)\r\n(Beside this note, a conflict "
              "copy (ownCloud): data/2026-12-06_conflict-20261206-173516.txt)");
}

// Keep Both: the note's lines, then the copy's lines the note lacks, in order.
TEST(MergeNotes, KeepBothAddsWhatTheNoteLacks)
{
    const std::tuple<QString, QString, QString> rows[] = {
        {"dentist 9:00\nbuy milk", "dentist 9:00\ncall Anna", "dentist 9:00\nbuy milk\ncall Anna"},
        {"a\nb\n", "c\na\n", "a\nb\nc\n"},
        {"", "from the laptop", "from the laptop"},
        {"same", "same", "same"},
        // A line held once covers one equal line: the second "-" and blank stay.
        {"-\n\nx", "-\n\n-\n\ny", "-\n\nx\n-\n\ny"},
        {"a", "", "a"}};
    for (const auto& [note, copy, merged] : rows) {
        SCOPED_TRACE(note.toStdString() + " + " + copy.toStdString());
        EXPECT_EQ(keepBoth(note, copy), merged);
    }
    EXPECT_EQ(linesMissingFrom({"a", "b", "a"}, {"a", "c"}), QList<bool>({false, true, true}));
}

using ReportCleanUp = WorkFolderTest;

// Closing deletes this copy's reports and those over a day old; another
// running copy's fresh report stays.
TEST_F(ReportCleanUp, LeavesAnotherCopysFreshReports)
{
    QRandomGenerator generator(7);
    const QString own = writeReport("<html></html>", generator).path;
    const QString other = QStringLiteral("temp/report-BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB.htm");
    const QString old = QStringLiteral("temp/report-CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC.htm");
    writeFile(other, "fresh");
    writeFile(old, "stale");
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(cleanUpReports(), 2);
    EXPECT_EQ(entries("temp"), QStringList({other.mid(5)}));
}

} // namespace
