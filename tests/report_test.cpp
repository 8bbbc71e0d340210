#include "core/report/report.h"

#include "core/notes/notestore.h"
#include "workfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandeck;

namespace {

struct EscapeCase
{
    const char* name;
    QByteArray note;
    QByteArray html;
};

void PrintTo(const EscapeCase& row, std::ostream* out)
{
    *out << row.name;
}

class Escaping : public ::testing::TestWithParam<EscapeCase>
{
};

TEST_P(Escaping, ReplacesInTheGivenOrder)
{
    EXPECT_EQ(escapeNote(GetParam().note), GetParam().html);
}

const QByteArray kEightSpaces = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

INSTANTIATE_TEST_SUITE_P(
    Steps, Escaping,
    ::testing::Values(
        EscapeCase{"Plain", "abc", "abc"}, EscapeCase{"Empty", "", ""},
        EscapeCase{"CrBeforeCrLf", "\r\r\n", "\r<br>"},
        EscapeCase{"LfBeforeCrLf", "\n\r\n", "\n<br>"},
        EscapeCase{"FiveBlanksAtTheEnd", "a     ", "a&nbsp; &nbsp;  "},
        EscapeCase{"TabBetweenBlanks", " \t ", " " + kEightSpaces + " "},
        EscapeCase{"Ampersand", "a&b", "a&amp;b"}, EscapeCase{"Tab", "\t", kEightSpaces},
        EscapeCase{"OneBlankStays", "a b", "a b"}, EscapeCase{"TwoBlanks", "a  b", "a&nbsp; b"},
        EscapeCase{"ThreeBlanks", "a   b", "a&nbsp;  b"},
        EscapeCase{"FourBlanks", "a    b", "a&nbsp; &nbsp; b"}, EscapeCase{"Quote", "\"", "&quot;"},
        EscapeCase{"Greater", ">", "&gt;"}, EscapeCase{"Less", "<", "&lt;"},
        EscapeCase{"CrLf", "one\r\ntwo", "one<br>two"},
        EscapeCase{"LoneCrAndLfStay", "a\rb\nc\n\rd", "a\rb\nc\n\rd"},
        EscapeCase{"ApostropheStays", "it's", "it's"},
        EscapeCase{"ExampleOfTheReport", "a<b & c", "a&lt;b &amp; c"},
        // & goes first, so entities made later are not escaped again...
        EscapeCase{"EntityTextIsEscaped", "&lt;", "&amp;lt;"},
        EscapeCase{"TabEntitiesStayIntact", "&\t", "&amp;" + kEightSpaces},
        // ...and CR LF goes last, so its tag survives the escaping of <.
        EscapeCase{"TagsAroundBreaks", "<\r\n>", "&lt;<br>&gt;"},
        EscapeCase{"ScriptTag", "<script>alert(\"x\")</script>",
                   "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;"},
        EscapeCase{"HighBytesPassThrough", "\xE9\x80", "\xE9\x80"}),
    [](const auto& row) { return std::string(row.param.name); });

using Report = WorkFolderTest;

TEST_F(Report, MonthWithoutNotesIsTheEmptyPage)
{
    const ReportPage page = buildReport(12, 2007);
    EXPECT_TRUE(page.error.isEmpty());
    EXPECT_EQ(page.html, QByteArray("<html><head></head><body></body></html>"));
    EXPECT_EQ(page.html.size(), 39);
}

TEST_F(Report, ListsTheMonthsNotesInDayOrder)
{
    ASSERT_TRUE(UpdateData(5, 12, 2007, "a<b & c").isOk());
    ASSERT_TRUE(UpdateData(1, 12, 2007, "one\r\ntwo").isOk());
    ASSERT_TRUE(UpdateData(1, 1, 2008, "next month").isOk());
    EXPECT_EQ(buildReport(12, 2007).html,
              QByteArray("<html><head></head><body>"
                         "<hr><b>1-December-2007 Saturday</b><br>one<br>two"
                         "<hr><b>5-December-2007 Wednesday</b><br>a&lt;b &amp; c"
                         "</body></html>"));
}

TEST_F(Report, VisitsOnlyTheDaysOfTheMonth)
{
    writeFile("data/2007-02-29.txt", "no such day");
    writeFile("data/2007-02-30.txt", "no such day");
    writeFile("data/2008-02-29.txt", "leap day");
    EXPECT_FALSE(buildReport(2, 2007).html.contains("no such day"));
    EXPECT_TRUE(buildReport(2, 2008).html.contains("<b>29-February-2008 Friday</b><br>leap day"));
}

TEST_F(Report, HeadingsFollowTheLocaleInWindowsBytes)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(reportHeading(3, 3, 2008), QByteArray("<hr><b>3-M\xE4rz-2008 Monday</b><br>"));
    QLocale::setDefault(QLocale::c());
}

TEST(RandTest, StaysWithinItsBounds)
{
    QRandomGenerator generator(42);
    bool seen65 = false;
    bool seen90 = false;
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t value = Rand(65, 90, generator);
        ASSERT_GE(value, 65);
        ASSERT_LE(value, 90);
        seen65 = seen65 || value == 65;
        seen90 = seen90 || value == 90;
        ASSERT_EQ(Rand(5, 5, generator), 5);
    }
    EXPECT_TRUE(seen65 && seen90);
    // The widest range cannot overflow.
    for (int i = 0; i < 1000; ++i) {
        Rand(INT32_MIN, INT32_MAX, generator);
    }
}

TEST_F(Report, FileNamesAreThirtyTwoCapitals)
{
    QRandomGenerator generator(7);
    const QRegularExpression pattern(QStringLiteral("^temp/report-[A-Z]{32}\\.htm$"));
    const QString first = reportFileName(generator);
    EXPECT_TRUE(pattern.match(first).hasMatch()) << first.toStdString();
    EXPECT_EQ(first.size(), 48);
    EXPECT_NE(reportFileName(generator), first);
}

TEST_F(Report, WritesANewFileAndCreatesTheFolder)
{
    QRandomGenerator generator(1);
    const ReportFile one = writeReport("<html>1</html>", generator);
    const ReportFile two = writeReport("<html>2</html>", generator);
    ASSERT_TRUE(one.error.isEmpty()) << one.error.toStdString();
    ASSERT_TRUE(two.error.isEmpty());
    EXPECT_NE(one.path, two.path);
    EXPECT_EQ(readFile(one.path), QByteArray("<html>1</html>"));
    EXPECT_EQ(readFile(two.path), QByteArray("<html>2</html>"));
}

TEST_F(Report, NeverOverwritesOrFollowsAnExistingName)
{
    // The generator is replayed, so the first name drawn is known and taken.
    QRandomGenerator probe(99);
    const QString taken = reportFileName(probe);
    const QString linked = reportFileName(probe);
    writeFile(taken, "someone else's file");
    ASSERT_EQ(::symlink("../victim.txt", linked.toLocal8Bit().constData()), 0);
    writeFile("victim.txt", "must not change");

    QRandomGenerator generator(99);
    const ReportFile file = writeReport("<html></html>", generator);
    ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
    EXPECT_NE(file.path, taken);
    EXPECT_NE(file.path, linked);
    EXPECT_EQ(readFile(taken), QByteArray("someone else's file"));
    EXPECT_EQ(readFile("victim.txt"), QByteArray("must not change"));
}

TEST_F(Report, FailureLeavesNoFileAndGivesAReason)
{
    writeFile("temp", "a file where the folder should be");
    QRandomGenerator generator(3);
    const ReportFile file = writeReport("<html></html>", generator);
    EXPECT_TRUE(file.path.isEmpty());
    EXPECT_FALSE(file.error.isEmpty());
}

TEST_F(Report, CleanUpDeletesReportFilesOnly)
{
    writeFile("temp/report-AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm", "old");
    writeFile("temp/report-ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ.htm", "older, other run");
    writeFile("temp/report-x.htm", "a name the program never makes");
    writeFile("temp/report-December 2025 (keep).htm", "the user's own");
    writeFile("temp/report-AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAa.htm", "one small letter");
    writeFile("temp/notes.htm", "keep");
    writeFile("temp/report-a.html", "keep");
    writeFile("temp/myreport-b.htm", "keep");
    writeFile("elsewhere.txt", "keep");
    QDir().mkdir("temp/report-DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD.htm");
    ASSERT_EQ(::symlink("../elsewhere.txt", "temp/report-LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL.htm"), 0);
    ASSERT_EQ(::mkfifo("temp/report-FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF.htm", 0600), 0);

    EXPECT_EQ(cleanUpReports(), 2);
    EXPECT_EQ(entries("temp"),
              (QStringList{
                  "myreport-b.htm", "notes.htm", "report-AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAa.htm",
                  "report-DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD.htm", "report-December 2025 (keep).htm",
                  "report-FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF.htm",
                  "report-LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL.htm", "report-a.html", "report-x.htm"}));
    EXPECT_EQ(readFile("elsewhere.txt"), QByteArray("keep"));
}

TEST_F(Report, CleanUpWithoutAFolderDoesNothing)
{
    EXPECT_EQ(cleanUpReports(), 0);
    EXPECT_FALSE(exists("temp"));
}

TEST_F(Report, UnreadableNoteStopsTheReportWithAReason)
{
    writeFile("data/2007-12-05.txt", "secret");
    ASSERT_EQ(::chmod("data/2007-12-05.txt", 0), 0);
    const WithoutFilePowers unprivileged;
    const ReportPage page = buildReport(12, 2007);
    EXPECT_TRUE(page.html.isEmpty());
    EXPECT_TRUE(page.error.contains("2007-12-05"));
}

} // namespace
