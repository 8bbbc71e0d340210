#include "core/reminder/digest.h"

#include "workfolder.h"

using namespace plandeck;

namespace {

using Digest = WorkFolderTest;

// The edges of the digest; the worked example is checked in the reminder
// window (reminder_test.cpp). Notes are "year:text" in the day and month.
TEST_F(Digest, BuildsTheTextExactly)
{
    const std::tuple<const char*, QByteArrayList, QString> rows[] = {
        {"2007-12-05", {"2006:B"}, "\r\n\r\nLast year on this day:\r\nB"},
        {"2026-01-01",
         {"1900:old", "1899:too old", "2027:later"},
         "\r\n\r\n1-January-1900 Monday:\r\nold"},
        {"2007-12-05", {"2007:  \r\n"}, "  \r\n"}, // blanks and breaks count
        // 29 February of a year without one is looked up all the same; the
        // heading names the weekday the calendar gives it (1 March).
        {"2028-02-29",
         {"2027:odd file", "2024:real"},
         "\r\n\r\nLast year on this day:\r\nodd file\r\n\r\n29-February-2024 Thursday:\r\nreal"}};
    for (const auto& [day, notes, expected] : rows) {
        const QDate date = QDate::fromString(QLatin1String(day), Qt::ISODate);
        QDir(QStringLiteral("data")).removeRecursively();
        for (const QByteArray& note : notes) {
            writeFile(QString::fromLatin1("data/" + note.left(4) + (day + 4) + ".txt"),
                      note.mid(5));
        }
        EXPECT_EQ(reminderDigest(Int16(date.day()), Int16(date.month()), Int16(date.year())),
                  expected)
            << day;
    }
}

} // namespace
