#include "core/exchange/exchange.h"
#include "core/exchange/exchangecommand.h"
#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "workfolder.h"

#include <QTextStream>

using namespace plandeck;

namespace {

using Exchange = WorkFolderTest;

const QDate kFirst(kFirstPlannerYear, 1, 1);
const QDate kLast(kLastPlannerYear, 12, 31);

struct Outcome
{
    int status;
    QString out, err;
};
Outcome plandeck(QStringList arguments)
{
    Outcome run{};
    QTextStream out(&run.out), err(&run.err);
    arguments.prepend(QStringLiteral("plandeck"));
    run.status = runExchangeCommand(arguments, QDir::currentPath(), out, err);
    return run;
}

// Every note of the planner's years, as the store reads them.
QList<DayNote> allNotes()
{
    const CollectedNotes collected = collectNotes(kFirst, kLast);
    EXPECT_EQ(collected.error, QString());
    return collected.notes;
}

// Notes of every kind a calendar or a journal file must carry unchanged:
// iCalendar's special characters, line breaks at the ends, lines longer
// than a calendar line, both note encodings, the planner's first and last
// day.
TEST_F(Exchange, ExportedNotesImportIntoAnEmptyFolderUnchanged)
{
    const QList<QByteArray> notes = {
        "New century",
        "Dentist, 10:30; bring card \\n, not a break\r\nsecond line\r\n",
        "\r\n\r\nafter blank lines, a line longer than seventy-five octets that a writer must fold",
        "\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x86\x92 Krak\xC3\xB3w \xE2\x98\x83",
        "caf\xE9 au lait",
    };
    const QList<QDate> dates = {kFirst,       {2007, 12, 5}, {2007, 12, 31},
                                {2031, 7, 4}, kLast,         {1950, 5, 5}};
    for (const QStringList& arguments : {QStringList{"--format", "ics", "out.ics"},
                                         {"--format", "ics", "--journal", "out.ics"},
                                         {"--format", "daily-md", "daily"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        for (qsizetype i = 0; i < notes.size(); ++i) {
            const QDate& d = dates[i];
            ASSERT_TRUE(
                UpdateData(Int16(d.day()), Int16(d.month()), Int16(d.year()), notes[i]).isOk());
        }
        writeFile("data/2100-01-01.txt", "beyond the planner's years");
        const QList<DayNote> exported = allNotes();
        const Outcome run = plandeck(
            QStringList{"export", "--from", "1900-01-01", "--to", "2099-12-31"} + arguments);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "Notes exported: 5, from 1900-01-01 to 2099-12-31, to " +
                               QDir::current().filePath(arguments.last()) + ".\n");
        ASSERT_TRUE(QDir(QStringLiteral("data")).removeRecursively());
        ASSERT_EQ(plandeck({"import", arguments.last()}).status, 0);
        EXPECT_EQ(allNotes(), exported);
    }
    EXPECT_EQ(readFile("daily/2007-12-05.md"),
              "Dentist, 10:30; bring card \\n, not a break\nsecond line\n\n");
}

// A calendar as another program writes it: a time zone, folded lines,
// escaped characters, timed and all-day events, a journal entry and a task.
// Entries are appended to a day's note in time order.
TEST_F(Exchange, ACalendarFromAnotherProgramIsAppendedToTheNotes)
{
    writeFile(
        "family.ics",
        "BEGIN:VCALENDAR\r\nPRODID:-//Example Corp//Groupware 5.2//EN\r\nVERSION:2.0\r\n"
        "METHOD:PUBLISH\r\nX-WR-CALNAME:Family\r\nBEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"
        "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\n"
        "DTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
        "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\n"
        "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
        "END:STANDARD\r\nEND:VTIMEZONE\r\n"
        "BEGIN:VEVENT\r\nDTSTART;TZID=Europe/Berlin:20241015T143000\r\n"
        "DTEND;TZID=Europe/Berlin:20241015T153000\r\nDTSTAMP:20240901T120000Z\r\n"
        "UID:4f1c2d@example.com\r\nSUMMARY:Dentist\\, Dr. Wei\xC3\x9F\r\n"
        "LOCATION:Hauptstra\xC3\x9F\x65 5\\, Berlin\r\n"
        "DESCRIPTION:Bring the card\\; ask about the crown.\\nRoom 2\r\nEND:VEVENT\r\n"
        "BEGIN:VTODO\r\nUID:t1@example.com\r\nSUMMARY:Not a day's note\r\nEND:VTODO\r\n"
        "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20241016\r\nDTEND;VALUE=DATE:20241017\r\n"
        "DTSTAMP:20240901T120000Z\r\nUID:b2@example.com\r\nRRULE:FREQ=YEARLY\r\n"
        "SUMMARY:Anna's birthday\r\nDESCRIPTION:Call her before noon\\, she flies at one. A"
        " description long enough t\r\n o be folded.\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART;TZID=Europe/Berlin:20241015T090000\r\n"
        "DTSTAMP:20240901T120000Z\r\nUID:s3@example.com\r\nSUMMARY:Standup\r\nLOCATION:\r\n"
        "DESCRIPTION:\r\nEND:VEVENT\r\n"
        "BEGIN:VJOURNAL\r\nDTSTART;VALUE=DATE:20241017\r\nUID:j4@example.com\r\n"
        "SUMMARY:Trip\r\nDESCRIPTION:Trip\\nThe train was late.\r\nEND:VJOURNAL\r\n"
        "END:VCALENDAR\r\n");
    ASSERT_TRUE(UpdateData(15, 10, 2024, "Holiday").isOk());
    ASSERT_EQ(plandeck({"import", "family.ics"}).status, 0);
    EXPECT_EQ(allNotes(),
              (QList<DayNote>{
                  {{2024, 10, 15},
                   QString::fromUtf8("Holiday\n09:00 Standup\n14:30 Dentist, Dr. Weiß\n"
                                     "Bring the card; ask about the crown.\nRoom 2")},
                  {{2024, 10, 16},
                   "Anna's birthday\nCall her before noon, she flies at one. A description long "
                   "enough to be folded."},
                  {{2024, 10, 17}, "Trip\nThe train was late."}}));
    EXPECT_EQ(GetData(15, 10, 2024).bytes.left(16), "Holiday\r\n09:00 S");
}

// Each bad input gets one line saying what is wrong, and nothing is written.
TEST_F(Exchange, BadInputIsRefusedWithOneLineAndWritesNothing)
{
    const QByteArray head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:x\r\n";
    const QByteArray tail = "SUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    writeFile("cut.ics", head + "DTSTART:20071205\r\n");
    writeFile("junk.ics", "Subject: not a calendar\r\n");
    writeFile("badvalue.ics", head + "DTSTART:2007120\r\n" + tail);
    writeFile("month13.ics", head + "DTSTART;VALUE=DATE:20071305\r\n" + tail);
    writeFile("nostart.ics", head + tail);
    writeFile("locked.ics", head + "DTSTART:20071205\r\n" + tail);
    ASSERT_TRUE(QFile::setPermissions("locked.ics", {}));
    writeFile("notes.txt", "2007-12-05 a note");
    QDir().mkdir("empty");
    writeFile("empty/README.md", "no dated notes here");
    ASSERT_TRUE(UpdateData(5, 12, 2007, "Old").isOk());
    const QStringList before = entries(".") + entries("data");
    const QStringList range = {"export", "--from", "2007-12-01", "--to", "2007-12-31"};
    const struct
    {
        QStringList arguments;
        int status;
        const char* error;
    } rows[] = {
        {{"import", "cut.ics"}, 1, "no complete iCalendar file"},
        {{"import", "junk.ics"}, 1, "no complete iCalendar file"},
        {{"import", "badvalue.ics"}, 1, "malformed: Can't parse as DATE-TIME value in DTSTART"},
        {{"import", "month13.ics"}, 1, "malformed: \"x\" starts on 2007-13-05, which is no date"},
        {{"import", "nostart.ics"}, 1, "malformed: the event \"x\" has no start"},
        {{"import", "locked.ics"}, 1, "locked.ics cannot be read"},
        {{"import", "gone.ics"}, 1, "gone.ics does not exist"},
        {{"import", "notes.txt"}, 1, "neither an .ics file nor a folder"},
        {{"import", "empty"}, 1, "holds no daily notes"},
        {{"import", "--dry", "cut.ics"}, 2, "Unknown option 'dry'"},
        {range + QStringList{"--format", "pdf", "out.pdf"}, 2, "unknown format \"pdf\""},
        {range + QStringList{"--format", "md", "--journal", "out.md"}, 2, "--journal goes with"},
        {{"export", "--from", "1899-12-31", "--to", "1900-01-31", "--format", "md", "out.md"},
         1,
         "1899-12-31 is outside the planner's years 1900 to 2099"},
        {{"export", "--from", "2007-12-01", "--to", "2007-11-30", "--format", "md", "out.md"},
         1,
         "ends on 2007-11-30, before it starts on 2007-12-01"},
        {{"export", "--from", "2007-12-01", "--to", "2007-12-32", "--format", "md", "out.md"},
         2,
         "--to 2007-12-32 is no date"},
        {range + QStringList{"--format", "ics", "missing/out.ics"}, 1, "out.ics cannot be written"},
        {range + QStringList{"--format", "ics", "empty"}, 1, "empty is a folder; name a file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const Outcome run = plandeck(row.arguments);
        EXPECT_EQ(run.status, row.status);
        // The reason first; wrong arguments are followed by the usage line.
        EXPECT_TRUE(run.err.section('\n', 0, 0).contains(QLatin1String(row.error)))
            << run.err.toStdString();
        EXPECT_LE(run.err.count('\n'), run.status);
        EXPECT_EQ(run.out, QString());
        EXPECT_EQ(entries(".") + entries("data"), before);
        EXPECT_EQ(GetData(5, 12, 2007).bytes, "Old");
    }
}

// A folder of daily notes (flat and in YYYY/MM folders): the dry run lists
// what would change and writes nothing; the import appends and counts, and
// a second import finds every text there already.
TEST_F(Exchange, DryRunListsWhatImportAppendsOnce)
{
    ASSERT_TRUE(UpdateData(15, 1, 2024, "Old").isOk());
    ASSERT_TRUE(UpdateData(16, 1, 2024, "Same text").isOk());
    writeFile("journal/2024-01-15.md", "New\n");
    writeFile("journal/2024/01/16.md", "Same text\n");
    writeFile("journal/2024-01-17.txt", "Fresh\r\nsecond line\r\n");
    writeFile("journal/1850-01-01.md", "Too early");
    const QStringList before = entries("data");
    const QString skipped = "outside the planner's years 1900 to 2099: 1; "
                            "the note already holds the text: ";
    const Outcome dry = plandeck({"import", "--dry-run", "journal"});
    EXPECT_EQ(dry.out, "1850-01-01: skipped, outside the planner's years 1900 to 2099\n"
                       "2024-01-15: would be appended\n"
                       "2024-01-16: skipped, the note already holds the text\n"
                       "2024-01-17: would be appended\n"
                       "Days that would change: 2. Skipped: 2 (" +
                           skipped + "1). Nothing was written (dry run).\n");
    EXPECT_EQ(entries("data"), before);
    EXPECT_EQ(GetData(15, 1, 2024).bytes, "Old");

    EXPECT_TRUE(plandeck({"import", "journal"})
                    .out.endsWith("Days changed: 2. Skipped: 2 (" + skipped + "1).\n"));
    EXPECT_EQ(GetData(15, 1, 2024).bytes, "Old\r\nNew");
    EXPECT_EQ(GetData(17, 1, 2024).bytes, "Fresh\r\nsecond line");
    EXPECT_TRUE(plandeck({"import", "journal"})
                    .out.endsWith("Days changed: 0. Skipped: 4 (" + skipped + "3).\n"));
}

} // namespace
