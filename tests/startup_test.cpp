#include "startup/frontdoor.h"

#include "core/reminder/digest.h"
#include "workfolder.h"

#include <sys/stat.h>
#include <vector>

using namespace plandeck;

namespace {

TEST(RunMode, OnlyTheExactSingleArgumentSelectsReminders)
{
    const std::pair<std::vector<const char*>, RunMode> rows[] = {
        {{"plandeck", "remind"}, RunMode::Remind},
        {{"plandeck", "Remind"}, RunMode::Normal},
        {{"plandeck", "remind", "x"}, RunMode::Normal},
        {{"plandeck", "remind", "--notify", "--days", "366"}, RunMode::Remind},
        {{"plandeck", "remind", "--days", "0"}, RunMode::Normal},
        {{"plandeck", "remind", "--days", "367"}, RunMode::Normal},
        {{"plandeck", "remind", "--days", "7x"}, RunMode::Normal},
        {{"plandeck", "remind", "--notify", "--notify"}, RunMode::Normal}};
    for (const auto& [arguments, mode] : rows) {
        EXPECT_EQ(runModeFromArguments(int(arguments.size()), arguments.data()), mode)
            << arguments.back();
    }
}

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

using DaysAhead = WorkFolderTest;

// The days ahead cross a month's and a year's end; the check made before Qt
// loads agrees with the digest.
TEST_F(DaysAhead, FollowTheRemindersNotesAcrossMonthAndYearEnds)
{
    const std::tuple<const char*, int, QByteArrayList, QString> rows[] = {
        {"2026-12-30", 3, {"2027-01-02:x"}, "\r\n\r\n2-January-2027 Saturday:\r\nx"},
        {"2026-12-30", 3, {"2027-01-03:x", "2025-12-31:x"}, ""},
        {"2026-11-29",
         2,
         {"2026-11-29:t", "2026-12-01:x"},
         "t\r\n\r\n1-December-2026 Tuesday:\r\nx"},
        {"2026-11-29", 1, {"2026-12-01:x"}, ""}};
    for (const auto& [day, days, notes, expected] : rows) {
        const QDate date = QDate::fromString(QLatin1String(day), Qt::ISODate);
        QDir(QStringLiteral("data")).removeRecursively();
        for (const QByteArray& note : notes) {
            writeFile(QString::fromLatin1("data/" + note.left(10) + ".txt"), note.mid(11));
        }
        EXPECT_EQ(reminderDigest(Int16(date.day()), Int16(date.month()), Int16(date.year()), days),
                  expected)
            << day;
        EXPECT_EQ(nothingToRemind(date.day(), date.month(), date.year(), days), expected.isEmpty())
            << day;
    }
}

using NothingToRemind = WorkFolderTest;

// The check made before Qt loads may only say "nothing" when the digest the
// window program would build is empty.
TEST_F(NothingToRemind, AgreesWithTheDigest)
{
    // A note or file (a trailing slash makes a folder), its bytes; nothing to remind.
    const std::tuple<const char*, QByteArray, bool> rows[] = {
        {"data/2026-12-06.txt", "other day", true},
        {"data/2026-12-05.txt", "today", false},
        {"data/1900-12-05.txt", "1900", false},
        {"data/1899-12-05.txt", "1899", true},
        {"data/2020-12-05.txt", "", true},
        {"data/2020-12-05.txt/", "", true},
        // Behind a folder that cannot be searched: a lookup that fails for
        // another reason than a missing note.
        {"data/locked/2026-12-05.txt", "locked", false},
        {"ft.txt", "", false},
    };
    for (const auto& [path, bytes, nothing] : rows) {
        SCOPED_TRACE(path);
        QDir(QStringLiteral("data")).removeRecursively();
        const bool folder = QByteArray(path).endsWith('/');
        QDir().mkpath(folder ? QString::fromLatin1(path) : QStringLiteral("data"));
        if (!folder) {
            writeFile(QString::fromLatin1(path), bytes);
        }
        if (QFileInfo::exists(QStringLiteral("data/locked"))) {
            ASSERT_EQ(::symlink("locked/2026-12-05.txt", "data/2026-12-05.txt") |
                          ::chmod("data/locked", 0),
                      0);
        }
        EXPECT_EQ(nothingToRemind(5, 12, 2026), nothing);
        // The welcome marker (ft.txt) makes the reminder show its message.
        EXPECT_TRUE(path[0] == 'f' || reminderDigest(5, 12, 2026).isEmpty() == nothing);
        ::chmod("data/locked", 0700);
    }
}

} // namespace
