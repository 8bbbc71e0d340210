#include "core/notes/notetext.h"

#include "core/notes/notestore.h"
#include "core/reminder/digest.h"
#include "core/report/report.h"
#include "workfolder.h"

using namespace plandeck;

namespace {

// A note file's bytes, the text its box shows, and the bytes a save writes
// for that text once the box was edited.
struct NoteTextCase
{
    const char* name;
    QByteArray onDisk;
    QString shown;
    QByteArray written;
};

void PrintTo(const NoteTextCase& row, std::ostream* out)
{
    *out << row.name;
}

class NoteText : public ::testing::TestWithParam<NoteTextCase>
{
};

TEST_P(NoteText, ReadsAndWritesByTheRule)
{
    const NoteTextCase& row = GetParam();
    EXPECT_EQ(displayText(row.onDisk), row.shown);
    EXPECT_EQ(storedBytes(row.shown), row.written);
    EXPECT_EQ(displayText(row.written), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NoteText,
    ::testing::Values(
        NoteTextCase{"Ascii", "plain\r\nnote", QStringLiteral("plain\nnote"), "plain\r\nnote"},
        NoteTextCase{"LoneCrAndLf", "a\rb\nc", QStringLiteral("a\nb\nc"), "a\r\nb\r\nc"},
        NoteTextCase{"Windows1252", "caf\xE9 \x80 \x9F", QStringLiteral("café € Ÿ"),
                     "caf\xE9 \x80 \x9F"},
        // Bytes without a Windows character stand for the C1 control of the same number.
        NoteTextCase{"UndefinedBytes", "\x81\x8D\x8F\x90\x9D",
                     QStringLiteral("\u0081\u008D\u008F\u0090\u009D"), "\x81\x8D\x8F\x90\x9D"},
        NoteTextCase{"EditorUtf8", "\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x9C\x93\n",
                     QStringLiteral("Łódź ✓\n"), "\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x9C\x93\r\n"},
        // Once edited, a text Windows-1252 can hold is stored as it always was.
        NoteTextCase{"EditorUtf8WithinWindows1252", "Gr\xC3\xBC\xC3\x9F\x65",
                     QStringLiteral("Grüße"), "Gr\xFC\xDF\x65"},
        NoteTextCase{"ByteOrderMark", "\xEF\xBB\xBF\xE6\x9D\xB1\xF0\x9F\x98\x80",
                     QStringLiteral("東😀"), "\xE6\x9D\xB1\xF0\x9F\x98\x80"},
        NoteTextCase{"InvalidUtf8", "\xC3\x28 \xE9", QStringLiteral("Ã( é"), "\xC3\x28 \xE9"},
        // Typed texts whose Windows-1252 bytes would read as UTF-8 or as the mark.
        NoteTextCase{"LooksLikeUtf8", "\xC3\x83\xC2\xA9", QStringLiteral("Ã©"), "\xC3\x83\xC2\xA9"},
        NoteTextCase{"LooksLikeTheMark", "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9", QStringLiteral("ï»¿é"),
                     "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9"},
        NoteTextCase{"StartsWithZeroWidthNoBreakSpace", "\xEF\xBB\xBF\xEF\xBB\xBFx",
                     QStringLiteral("\uFEFFx"), "\xEF\xBB\xBF\xEF\xBB\xBFx"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TooLargeToEdit, BeyondEitherLimit)
{
    const QByteArray longestLine(kLongestEditableLine, 'x');
    const std::pair<QByteArray, bool> rows[] = {
        {longestLine + "\r\n" + longestLine, false},
        {"a\r" + longestLine + "x", true},
        {QByteArray(kLargestEditableNote, '\n'), false},
        {QByteArray(kLargestEditableNote + 1, '\n'), true},
    };
    for (const auto& [bytes, tooLarge] : rows) {
        EXPECT_EQ(isTooLargeToEdit(bytes), tooLarge) << bytes.size() << " bytes";
    }
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
}

} // namespace
