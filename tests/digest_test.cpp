#include "core/reminder/digest.h"

#include "core/notes/notestore.h"
#include "workfolder.h"

#include <sys/stat.h>

using namespace plandeck;

namespace {

using Digest = WorkFolderTest;

struct DigestCase
{
    const char* name;
    Int16 day, month, year;
    std::vector<std::pair<Int16, QByteArray>> notes; // year, note
    QString expected;
};

void PrintTo(const DigestCase& row, std::ostream* out)
{
    *out << row.name;
}

class DigestCases : public WorkFolderTest, public ::testing::WithParamInterface<DigestCase>
{
};

TEST_P(DigestCases, BuildsTheTextExactly)
{
    const DigestCase& c = GetParam();
    for (const auto& [year, note] : c.notes) {
        ASSERT_TRUE(UpdateData(c.day, c.month, year, note).isOk());
    }
    EXPECT_EQ(reminderDigest(c.day, c.month, c.year), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DigestCases,
    ::testing::Values(
        DigestCase{"NothingAnywhere", 5, 12, 2007, {}, QString()},
        DigestCase{"OnlyToday", 5, 12, 2007, {{2007, "A"}}, QStringLiteral("A")},
        DigestCase{"OnlyLastYear",
                   5,
                   12,
                   2007,
                   {{2006, "B"}},
                   QStringLiteral("\r\n\r\nLast year on this day:\r\nB")},
        DigestCase{"OlderYearsWithTheirWeekdays",
                   5,
                   12,
                   2007,
                   {{2004, "C"}, {1999, "D"}},
                   QStringLiteral("\r\n\r\n5-December-2004 Sunday:\r\nC"
                                  "\r\n\r\n5-December-1999 Sunday:\r\nD")},
        DigestCase{"WorkedExample",
                   5,
                   12,
                   2007,
                   {{2007, "A"}, {2006, "B"}, {2004, "C"}},
                   QStringLiteral("A\r\n\r\nLast year on this day:\r\nB"
                                  "\r\n\r\n5-December-2004 Sunday:\r\nC")},
        DigestCase{"NineteenHundredIsIncluded",
                   1,
                   1,
                   2026,
                   {{1900, "old"}},
                   QStringLiteral("\r\n\r\n1-January-1900 Monday:\r\nold")},
        DigestCase{
            "BlanksAndBreaksCount", 5, 12, 2007, {{2007, "  \r\n"}}, QStringLiteral("  \r\n")},
        DigestCase{"FutureYearsAreNotLookedAt", 5, 12, 2007, {{2008, "later"}}, QString()},
        // 29 February of a year without one is looked up all the same; the
        // heading names the weekday the calendar gives it (1 March).
        DigestCase{"LeapDayInOrdinaryYears",
                   29,
                   2,
                   2028,
                   {{2027, "odd file"}, {2024, "real"}},
                   QStringLiteral("\r\n\r\nLast year on this day:\r\nodd file"
                                  "\r\n\r\n29-February-2024 Thursday:\r\nreal")},
        DigestCase{"WindowsBytesAreDecoded",
                   5,
                   12,
                   2007,
                   {{2007, "\x80 5"}},
                   QString::fromUtf16(u"\u20AC 5")}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Digest, NothingBefore1900IsAskedFor)
{
    writeFile("data/1899-01-01.txt", "too old");
    EXPECT_EQ(reminderDigest(1, 1, 1900), QString());
    writeFile("data/1900-01-01.txt", "first");
    EXPECT_EQ(reminderDigest(1, 1, 1900), QStringLiteral("first"));
}

TEST_F(Digest, OddEntriesAreSkippedAndUnreadableNotesAreListed)
{
    QDir().mkpath("data/2006-12-05.txt");
    ASSERT_EQ(::mkfifo("data/2005-12-05.txt", 0600), 0);
    writeFile("data/2004-12-05.txt", "locked away");
    ASSERT_EQ(::chmod("data/2004-12-05.txt", 0), 0);
    const WithoutFilePowers unprivileged;
    const QString digest = reminderDigest(5, 12, 2007);
    EXPECT_TRUE(digest.startsWith(QStringLiteral("\r\n\r\n5-December-2004 Sunday:\r\n(This note "
                                                 "could not be read.")))
        << digest.toStdString();
    EXPECT_TRUE(digest.contains(QStringLiteral("2004-12-05")));
    EXPECT_FALSE(digest.contains(QStringLiteral("Last year")));
}

TEST(ReminderCaption, NamesTodayWithoutAColon)
{
    EXPECT_EQ(reminderCaption(5, 12, 2007), QStringLiteral("5-December-2007 Wednesday"));
}

} // namespace
