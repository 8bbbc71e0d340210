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

// The edges of the digest, the days ahead across a month's and a year's end
// included; the worked example is checked in the reminder window
// (reminder_test.cpp). The check made before Qt loads may only say "nothing"
// when the digest the window program would build is empty.
TEST_F(Digest, BuildsTheTextExactlyAndThePreCheckAgrees)
{
    // Today, the days ahead; notes "YYYY-MM-DD:bytes" in data/ (a trailing
    // slash makes a folder, "locked/" one that cannot be searched, behind a
    // link with the note's name); the digest ("?": some text).
    const std::tuple<const char*, int, QByteArrayList, QString> rows[] = {
        {"2007-12-05", 0, {"2006-12-05:B"}, "\r\n\r\nLast year on this day:\r\nB"},
        {"2026-01-01",
         0,
         {"1900-01-01:old", "1899-01-01:too old", "2027-01-01:later"},
         "\r\n\r\n1-January-1900 Monday:\r\nold"},
        {"2007-12-05", 0, {"2007-12-05:  \r\n"}, "  \r\n"}, // blanks and breaks count
        // 29 February of a year without one is looked up all the same; the
        // heading names the weekday the calendar gives it (1 March).
        {"2028-02-29",
         0,
         {"2027-02-29:odd file", "2024-02-29:real"},
         "\r\n\r\nLast year on this day:\r\nodd file\r\n\r\n29-February-2024 Thursday:\r\nreal"},
        {"2026-12-30", 3, {"2027-01-02:x"}, "\r\n\r\n2-January-2027 Saturday:\r\nx"},
        {"2026-12-30", 3, {"2027-01-03:x", "2025-12-31:x"}, ""},
        {"2026-11-29",
         2,
         {"2026-11-29:t", "2026-12-01:x"},
         "t\r\n\r\n1-December-2026 Tuesday:\r\nx"},
        {"2026-11-29", 1, {"2026-12-01:x"}, ""},
        {"2026-12-05",
         0,
         {"2026-12-06:other", "1899-12-05:1899", "2020-12-05:", "2021-12-05/:"},
         ""},
        {"2026-12-05", 0, {"locked/2026-12-05:locked"}, "?"},
        // The welcome marker makes the reminder show its message; last, as it
        // stays.
        {"2026-12-05", 0, {"../ft:"}, ""}};
    for (const auto& [day, days, notes, expected] : rows) {
        SCOPED_TRACE(day);
        const QDate date = QDate::fromString(QLatin1String(day), Qt::ISODate);
        QDir(QStringLiteral("data")).removeRecursively();
        QDir().mkpath(QStringLiteral("data"));
        for (const QByteArray& note : notes) {
            const QString path = QString::fromLatin1("data/" + note.left(note.indexOf(':')));
            if (path.endsWith('/')) {
                QDir().mkpath(path.chopped(1) + ".txt");
            } else {
                writeFile(path + ".txt", note.mid(note.indexOf(':') + 1));
            }
        }
        if (QFileInfo::exists(QStringLiteral("data/locked"))) {
            ASSERT_EQ(::symlink("locked/2026-12-05.txt", "data/2026-12-05.txt") |
                          ::chmod("data/locked", 0),
                      0);
        }
        EXPECT_EQ(nothingToRemind(date.day(), date.month(), date.year(), days),
                  expected.isEmpty() && !QFileInfo::exists(QStringLiteral("ft.txt")));
        const QString digest =
            reminderDigest(Int16(date.day()), Int16(date.month()), Int16(date.year()), days);
        EXPECT_TRUE(expected == "?" ? !digest.isEmpty() : digest == expected)
            << digest.toStdString();
        ::chmod("data/locked", 0700);
    }
}

} // namespace
