#include "core/calendar/typeddate.h"
#include "core/notes/notestore.h"
#include "core/search/notesearch.h"
#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandeck;

namespace {

// "date|line|cursor" for each row of a search, as the Find window shows and
// uses them.
QStringList rowsFor(const NoteIndex& index, const QString& text)
{
    QStringList rows;
    for (const NoteMatch& match : index.find(text).matches) {
        const QDate& d = match.date;
        const MatchInNote found = locateMatch(d, text);
        rows.append(QStringLiteral("%1-%2-%3|%4|%5")
                        .arg(d.year())
                        .arg(d.month(), 2, 10, QLatin1Char('0'))
                        .arg(d.day(), 2, 10, QLatin1Char('0'))
                        .arg(found.line)
                        .arg(found.position));
    }
    return rows;
}

struct SearchCase
{
    const char* name;
    std::vector<std::pair<const char*, QByteArray>> notes; // file under data/, bytes
    QString text;
    QStringList expected;
};

void PrintTo(const SearchCase& row, std::ostream* out)
{
    *out << row.name;
}

class Searching : public WorkFolderTest, public ::testing::WithParamInterface<SearchCase>
{
};

TEST_P(Searching, FindsTheNotesHoldingTheText)
{
    for (const auto& [file, bytes] : GetParam().notes) {
        writeFile(QStringLiteral("data/") + QLatin1String(file), bytes);
    }
    NoteIndex index;
    index.refresh();
    EXPECT_EQ(rowsFor(index, GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Searching,
    ::testing::Values(
        SearchCase{"CaseIgnored",
                   {{"1961-05-17.txt", "The Quokka Visit"}},
                   QStringLiteral("QUOKKA"),
                   {QStringLiteral("1961-05-17|The Quokka Visit|4")}},
        SearchCase{"AccentsIgnoredInNoteAndText",
                   {{"2001-01-01.txt", "caf\xe9 cr\xe8me"}, {"2001-01-02.txt", "cafe creme"}},
                   QString::fromUtf16(u"CAFE CR\u00c9ME"),
                   {QString::fromUtf16(u"2001-01-02|cafe creme|0"),
                    QString::fromUtf16(u"2001-01-01|caf\u00e9 cr\u00e8me|0")}},
        SearchCase{"EveryKindOfLineBreak",
                   {{"2001-01-01.txt", "one\r\ntwo\rthree\nfour quokka\r\nfive"}},
                   QStringLiteral("quokka"),
                   {QStringLiteral("2001-01-01|four quokka|19")}},
        SearchCase{"FirstMatchOfANote",
                   {{"2001-01-01.txt", "a x\r\nb x"}},
                   QStringLiteral("x"),
                   {QStringLiteral("2001-01-01|a x|2")}},
        SearchCase{"CodePageCharacters",
                   {{"2001-01-01.txt", "\x80 5 \x8c\x75vre"}},
                   QString::fromUtf16(u"\u0153UVRE"),
                   {QString::fromUtf16(u"2001-01-01|\u20ac 5 \u0152uvre|4")}},
        SearchCase{"NewestFirstOverCenturies",
                   {{"1961-05-17.txt", "x"},
                    {"2031-07-04.txt", "x"},
                    {"999-12-31.txt", "x"},
                    {"1900-01-01.txt", "y"},
                    {"10000-01-01.txt", "x"}},
                   QStringLiteral("x"),
                   {QStringLiteral("10000-01-01|x|0"), QStringLiteral("2031-07-04|x|0"),
                    QStringLiteral("1961-05-17|x|0"), QStringLiteral("999-12-31|x|0")}},
        SearchCase{"NothingForAbsentText", {{"2001-01-01.txt", "x"}}, QStringLiteral("y"), {}}),
    [](const auto& row) { return std::string(row.param.name); });

// Folding beyond what Windows-1252 notes hold: the cursor position must land
// on the first character of the match in the text as shown.
TEST(Folding, MatchPositionCountsInTheShownText)
{
    const struct
    {
        const char16_t* text;
        const char16_t* find;
        int position;
    } cases[] = {
        {u"e\u0301te\u0301 quokka", u"quokka", 6}, // decomposed accents
        {u"\U0001F600 quokka", u"QUOKKA", 3},      // a surrogate pair before the match
        {u"A \u03a3\u039f\u03a6\u0399\u0391", u"\u03c3\u03bf\u03c6\u03b9\u03b1", 2}, // Greek
        {u"Die Stra\u00dfe", u"STRASSE", 4}, // sharp s folds to ss
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(locateMatch(text, QString::fromUtf16(c.find)).position, c.position)
            << text.toStdString();
    }
}

using SearchFolder = WorkFolderTest;

TEST_F(SearchFolder, OddEntriesAreSkippedAndUnreadableNotesListed)
{
    writeFile("data/2004-01-08.txt", "x");
    writeFile("elsewhere.txt", "x linked");
    ASSERT_EQ(::symlink("../elsewhere.txt", "data/2004-01-05.txt"), 0);
    ASSERT_EQ(::symlink("../nowhere.txt", "data/2004-01-06.txt"), 0);
    writeFile("data/2004-01-07.txt", "x locked");
    ASSERT_EQ(::chmod("data/2004-01-07.txt", 0), 0);
    ASSERT_TRUE(QDir().mkpath("data/2004-01-09.txt"));
    ASSERT_EQ(::mkfifo("data/2004-01-10.txt", 0600), 0);
    for (const char* odd :
         {"data/.2004-01-11.txt.saving", "data/2004-01-12.txt.outside-1", "data/2004-1-13.txt",
          "data/02004-01-14.txt", "data/2004-02-30.txt", "data/0-01-01.txt", "data/notes.txt"}) {
        writeFile(QLatin1String(odd), "x");
    }
    const WithoutFilePowers unprivileged;
    NoteIndex index;
    index.refresh();
    const FoundNotes found = index.find(QStringLiteral("x"));
    EXPECT_EQ(found.matching, 2);
    ASSERT_EQ(found.matches.size(), 3);
    EXPECT_EQ(found.matches[0].date, QDate(2004, 1, 8));
    EXPECT_EQ(found.matches[1].date, QDate(2004, 1, 7));
    EXPECT_TRUE(found.matches[1].error.contains(QStringLiteral("2004-01-07.txt")));
    EXPECT_EQ(found.matches[2].date, QDate(2004, 1, 5));
}

TEST_F(SearchFolder, FollowsNotesSavedChangedAndDeleted)
{
    ASSERT_TRUE(QDir().mkpath("data/2000-01-01.txt")); // no note, never a change
    NoteIndex index;
    EXPECT_FALSE(index.refresh());
    ASSERT_TRUE(UpdateData(17, 5, 1961, "the quokka visit").isOk());
    EXPECT_TRUE(index.refresh());
    EXPECT_EQ(rowsFor(index, QStringLiteral("quokka")),
              QStringList{QStringLiteral("1961-05-17|the quokka visit|4")});
    EXPECT_FALSE(index.refresh());
    // Rewritten in place by another program, same size.
    writeFile("data/1961-05-17.txt", "the wombat visit");
    EXPECT_TRUE(index.refresh());
    EXPECT_EQ(rowsFor(index, QStringLiteral("quokka")), QStringList());
    ASSERT_TRUE(DeleteData(17, 5, 1961).isOk());
    EXPECT_TRUE(index.refresh());
    EXPECT_EQ(index.size(), 0);
}

struct DateCase
{
    const char* name;
    QString text;
    QLocale locale;
    QDate expected; // invalid: the text is refused
};

void PrintTo(const DateCase& row, std::ostream* out)
{
    *out << row.name;
}

class TypedDates : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(TypedDates, AreReadOrRefused)
{
    const TypedDate typed = parseTypedDate(GetParam().text, GetParam().locale);
    EXPECT_EQ(typed.date, GetParam().expected);
    EXPECT_EQ(typed.isValid(), GetParam().expected.isValid()) << typed.error.toStdString();
}

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kUk(QLocale::English, QLocale::UnitedKingdom);
const QLocale kGerman(QLocale::German, QLocale::Germany);

INSTANTIATE_TEST_SUITE_P(
    Rows, TypedDates,
    ::testing::Values(
        DateCase{"Iso", QStringLiteral("2031-07-04"), kGerman, {2031, 7, 4}},
        DateCase{"IsoWithBlanksAndShortParts", QStringLiteral(" 2031-7-4 "), kUs, {2031, 7, 4}},
        DateCase{"IsoLastYear", QStringLiteral("32767-12-31"), kUs, {32767, 12, 31}},
        DateCase{"IsoFirstYear", QStringLiteral("-32768-01-01"), kUs, {-32768, 1, 1}},
        DateCase{"IsoPastLastYear", QStringLiteral("32768-01-01"), kUs, {}},
        DateCase{"IsoBeforeFirstYear", QStringLiteral("-32769-12-31"), kUs, {}},
        DateCase{"IsoYearZero", QStringLiteral("0-01-01"), kUs, {}},
        DateCase{"IsoNoSuchDay", QStringLiteral("2031-02-29"), kUs, {}},
        DateCase{"UsShort", QStringLiteral("7/4/31"), kUs, {1931, 7, 4}},
        DateCase{"UsFullYear", QStringLiteral("7/4/2031"), kUs, {2031, 7, 4}},
        DateCase{"UkShort", QStringLiteral("04/07/2031"), kUk, {2031, 7, 4}},
        DateCase{"GermanFullYear", QStringLiteral("04.07.2031"), kGerman, {2031, 7, 4}},
        DateCase{"OtherLocalesFormat", QStringLiteral("04.07.2031"), kUs, {}},
        DateCase{"Nothing", QString(), kUs, {}}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
