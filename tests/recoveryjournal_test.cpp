// The recovery journal: an ended copy's newest whole record is taken over
// exactly, even when a newer one was cut short by a crash, and what ended
// copies left is cleared away.
#include "core/recovery/recoveryjournal.h"
#include "workfolder.h"

using namespace plandeck;

namespace {

using RecoveryJournalTest = WorkFolderTest;

TEST_F(RecoveryJournalTest, TheNewestWholeRecordOfAnEndedCopyIsTakenOver)
{
    const RecoveryRecord older{QDate(2007, 12, 5), allBytes(), QStringLiteral("first \u0141")};
    {
        RecoveryJournal ended(recoveryFolder());
        ASSERT_EQ(ended.write(older), QString());
        // Only the first part of a later record reached the disk.
        const QString later = ended.pathOf(older.date).section('.', 0, -3) + ".9.0";
        writeFile(later, serializeRecord({older.date, {}, QStringLiteral("second")}).chopped(1));
    }
    // A copy killed before it typed anything left only its lock.
    writeFile(recoveryFolder() + "/0123456789abcdef0123456789abcdef.lock", {});
    RecoveryJournal next(recoveryFolder());
    const RecoveryJournal::Adopted adopted = next.adopt();
    ASSERT_EQ(adopted.records.size(), 1);
    EXPECT_EQ(adopted.records[0].loaded, older.loaded);
    EXPECT_EQ(adopted.records[0].text, older.text);
    EXPECT_TRUE(adopted.damaged.isEmpty());
    EXPECT_EQ(next.recordedDates(), QList<QDate>{older.date});
    EXPECT_EQ(entries(recoveryFolder()).size(), 2) << "this copy's record and lock";
}

} // namespace
