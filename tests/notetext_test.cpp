#include "core/notes/notetext.h"

#include "core/md5/cmd5.h"

#include "core/notes/notestore.h"
#include "core/reminder/digest.h"
#include "core/report/report.h"
#include "workfolder.h"

using namespace plandeck;

namespace {

// A note file's bytes, the text its box shows, the bytes a save writes for
// that text as a new note (empty: the bytes on disk), and those it writes
// over the file it was read from, in that file's encoding (empty: the same).
TEST(NoteText, ReadsAndWritesByTheRule)
{
    const std::tuple<QByteArray, QString, QByteArray, QByteArray> rows[] = {
        {"plain\r\nnote\rb\nc", QStringLiteral("plain\nnote\nb\nc"), "plain\r\nnote\r\nb\r\nc", {}},
        {"caf\xE9\r\n\x80 \x9F", QStringLiteral("café\n€ Ÿ"), {}, {}},
        // Bytes without a Windows character stand for the C1 control of the same number.
        {"\x81\x8D\x8F\x90\x9D", QStringLiteral("\u0081\u008D\u008F\u0090\u009D"), {}, {}},
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x9C\x93\n",
         QStringLiteral("Łódź ✓\n"),
         "\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x9C\x93\r\n",
         {}},
        // A new text Windows-1252 can hold is stored as it always was; an
        // edited UTF-8 note stays UTF-8.
        {"Gr\xC3\xBC\xC3\x9F\x65", QStringLiteral("Grüße"), "Gr\xFC\xDF\x65",
         "Gr\xC3\xBC\xC3\x9F\x65"},
        {"\xEF\xBB\xBF\xE6\x9D\xB1\xF0\x9F\x98\x80", QStringLiteral("東😀"),
         "\xE6\x9D\xB1\xF0\x9F\x98\x80", "\xEF\xBB\xBF\xE6\x9D\xB1\xF0\x9F\x98\x80"},
        {"\xC3\x28 \xE9", QStringLiteral("Ã( é"), {}, {}}, // invalid UTF-8
        // Typed texts whose Windows-1252 bytes would read as UTF-8 or as the mark.
        {"\xC3\x83\xC2\xA9", QStringLiteral("Ã©"), {}, {}},
        {"\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9", QStringLiteral("ï»¿é"), {}, {}},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", QStringLiteral("\uFEFFx"), {}, {}}};
    for (const auto& [onDisk, shown, edited, kept] : rows) {
        const QByteArray& written = edited.isEmpty() ? onDisk : edited;
        const QByteArray& rewritten = kept.isEmpty() ? written : kept;
        EXPECT_EQ(displayText(onDisk), shown);
        EXPECT_EQ(storedBytes(shown), written);
        EXPECT_EQ(storedBytes(shown, {}), written);
        EXPECT_EQ(storedBytes(shown, onDisk), rewritten);
        EXPECT_EQ(displayText(written), shown);
        EXPECT_EQ(displayText(rewritten), shown);
    }
}

// A known digest, and two texts that show which bytes are digested: those the
// note store writes (Windows-1252 é, UTF-8 Ł).
TEST(CMD5, DigestsTheNoteBytes)
{
    EXPECT_EQ(CMD5().MD5(QStringLiteral("ab")), QStringLiteral("187ef4436122d1cc2f40dc2b92f0eba0"));
    EXPECT_EQ(CMD5().MD5(QStringLiteral("é")), QStringLiteral("3406877694691ddd1dfb0aca54681407"));
    EXPECT_EQ(CMD5().MD5(QStringLiteral("Ł")), QStringLiteral("892e100e17e1b1c24bc48b3ee1aaabe0"));
}

using NotesOfBothEncodings = WorkFolderTest;

// A character outside Windows-1252 becomes a character reference after the
// escaping; everything else is written as for a Windows-1252 note.
TEST_F(NotesOfBothEncodings, ReadRightSideBySide)
{
    const QByteArray utf8 =
        "\xC5\x81\xC3\xB3\x64\xC5\xBA & \xE6\x9D\xB1 \xF0\x9F\x98\x80"; // Łódź & 東 😀
    ASSERT_TRUE(UpdateData(5, 12, 2007, "caf\xE9 & \x80").isOk());
    ASSERT_TRUE(UpdateData(6, 12, 2007, utf8).isOk());
    ASSERT_TRUE(UpdateData(5, 12, 2006, utf8).isOk());
    EXPECT_EQ(buildReport(12, 2007).html,
              QByteArray("<html><head></head><body>"
                         "<hr><b>5-December-2007 Wednesday</b><br>caf\xE9 &amp; \x80"
                         "<hr><b>6-December-2007 Thursday</b><br>&#321;\xF3\x64&#378; &amp; "
                         "&#26481; &#128512;</body></html>"));
    EXPECT_EQ(reminderDigest(5, 12, 2007),
              QStringLiteral("café & €\r\n\r\nLast year on this day:\r\nŁódź & 東 😀"));
    // Cut inside a character at the reminder's and the report's bounds, a
    // long UTF-8 note still reads as UTF-8.
    const QByteArray letters = "x" + QByteArray("\xC5\x81").repeated(2 * 1024 * 1024 + 5);
    ASSERT_TRUE(UpdateData(7, 1, 2008, letters).isOk());
    EXPECT_EQ(reminderDigest(7, 1, 2008),
              "x" + QStringLiteral("Ł").repeated(8191) +
                  "\r\n(This note has 4194315 bytes in all; the rest is not shown here.)");
    EXPECT_TRUE(buildReport(1, 2008).html.contains(
        "Monday</b><br>x" + QByteArray("&#321;").repeated(2 * 1024 * 1024 - 1) +
        "<br>(This note has 4194315 bytes in all; the rest is left out of this report.)"));
}

} // namespace
