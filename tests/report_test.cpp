#include "core/report/report.h"

#include "core/calendar/calendar.h"
#include "systemcallfault.h"
#include "workfolder.h"

#include <QLocale>
#include <QRandomGenerator>
#include <sys/stat.h>

using namespace plandeck;

namespace {

// Run by CTest with LANG set (tests/CMakeLists.txt): the caption follows
// the locale the user's environment names.
TEST(SystemLocale, CaptionFollowsTheEnvironment)
{
    const QString expected = qEnvironmentVariable("PLANDECK_EXPECTED_CAPTION");
    if (expected.isEmpty()) {
        GTEST_SKIP() << "run with PLANDECK_EXPECTED_CAPTION and LANG set";
    }
    EXPECT_EQ(monthCaption(12, 2007), expected);
}

using Reports = WorkFolderTest;

// Only the days of the month are listed; the notes are escaped, and the
// order of the replacements matters: & first, CR LF last. (The escaping fuzz
// target checks every other input against the replacements in turn.)
TEST_F(Reports, ListOnlyTheDaysOfTheMonthWithTheirNotesEscaped)
{
    writeFile("data/2007-02-29.txt", "no such day");
    writeFile("data/2008-02-29.txt", "leap day");
    writeFile("data/2008-03-01.txt", "next month");
    EXPECT_EQ(buildReport(2, 2007).html, QByteArray("<html><head></head><body></body></html>"));
    EXPECT_EQ(buildReport(2, 2008).html,
              QByteArray("<html><head></head><body><hr><b>29-February-2008 Friday</b><br>leap "
                         "day</body></html>"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(reportHeading(3, 3, 2008), QByteArray("<hr><b>3-M\xE4rz-2008 Monday</b><br>"));
    QLocale::setDefault(QLocale::c());

    const QByteArray nbsp8 = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"\r\r\n", "\r<br>"},
        {"a     ", "a&nbsp; &nbsp;  "},
        {" \t ", " " + nbsp8 + " "},
        {"&\t", "&amp;" + nbsp8},
        {"<\r\n>", "&lt;<br>&gt;"},
        {"<script>alert(\"x\")</script>", "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;"},
    };
    for (const auto& [note, html] : cases) {
        EXPECT_EQ(escapeNote(note), html) << note.toStdString();
    }
}

TEST_F(Reports, NeverOverwriteFollowOrLeaveHalfWritten)
{
    // The generator is replayed, so the first names drawn are known and taken.
    QRandomGenerator probe(99);
    const QString taken = reportFileName(probe);
    const QString linked = reportFileName(probe);
    writeFile(taken, "someone else's file");
    writeFile("victim.txt", "must not change");
    ASSERT_EQ(::symlink("../victim.txt", linked.toLocal8Bit().constData()), 0);
    QRandomGenerator generator(99);
    const ReportFile file = writeReport("<html></html>", generator);
    ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
    EXPECT_EQ(readFile(file.path), QByteArray("<html></html>"));
    EXPECT_EQ(readFile(taken), QByteArray("someone else's file"));
    EXPECT_EQ(readFile("victim.txt"), QByteArray("must not change"));

    // A write that fails (a full disk): the report file goes.
    const SystemCallFault full(SystemCallFault::Write, 1, ENOSPC);
    EXPECT_TRUE(writeReport(QByteArray(64, 'x'), generator).error.contains("No space left"));
    EXPECT_EQ(entries("temp").size(), 3) << entries("temp").join(' ').toStdString();
}

TEST_F(Reports, CleanUpDeletesReportFilesOnly)
{
    const QString ours = QStringLiteral("temp/report-AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm");
    // Names the program never makes, and entries that are not regular files.
    const QStringList kept = {"report-AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAa.htm",
                              "report-December 2025 (keep).htm",
                              "report-FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF.htm",
                              "report-LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL.htm", "report-a.html"};
    for (const QString& name : {ours, "temp/" + kept[0], "temp/" + kept[1], "temp/" + kept[4],
                                QStringLiteral("elsewhere.txt")}) {
        writeFile(name, "keep");
    }
    ASSERT_EQ(::symlink("../elsewhere.txt", "temp/report-LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL.htm") |
                  ::mkfifo("temp/report-FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF.htm", 0600),
              0);
    EXPECT_EQ(cleanUpReports(QDateTime::currentDateTime().addDays(2)), 1);
    EXPECT_EQ(entries("temp"), kept);
    EXPECT_EQ(readFile("elsewhere.txt"), QByteArray("keep"));
}

} // namespace
