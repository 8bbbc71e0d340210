#include "core/reminder/digest.h"

#include "core/notes/notestore.h"
#include "workfolder.h"

using namespace plandeck;

namespace {

using Digest = WorkFolderTest;

// The edges of the digest; the worked example is checked in the reminder
// window (reminder_test.cpp).
TEST_F(Digest, BuildsTheTextExactly)
{
    const struct
    {
        const char* name;
        Int16 day, month, year;
        std::vector<std::pair<Int16, QByteArray>> notes; // year, note
        QString expected;
    } rows[] = {
        {"only last year", 5, 12, 2007, {{2006, "B"}}, "\r\n\r\nLast year on this day:\r\nB"},
        {"from 1900 on",
         1,
         1,
         2026,
         {{1900, "old"}, {1899, "too old"}, {2027, "later"}},
         "\r\n\r\n1-January-1900 Monday:\r\nold"},
        {"blanks and breaks count", 5, 12, 2007, {{2007, "  \r\n"}}, "  \r\n"},
        // 29 February of a year without one is looked up all the same; the
        // heading names the weekday the calendar gives it (1 March).
        {"leap day in ordinary years",
         29,
         2,
         2028,
         {{2027, "odd file"}, {2024, "real"}},
         "\r\n\r\nLast year on this day:\r\nodd file\r\n\r\n29-February-2024 Thursday:\r\nreal"},
        {"Windows bytes are decoded",
         5,
         12,
         2007,
         {{2007, "\x80 5"}},
         QString::fromUtf16(u"\u20AC 5")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QDir(QStringLiteral("data")).removeRecursively();
        for (const auto& [year, note] : row.notes) {
            ASSERT_TRUE(UpdateData(row.day, row.month, year, note).isOk());
        }
        EXPECT_EQ(reminderDigest(row.day, row.month, row.year), row.expected);
    }
}

} // namespace
