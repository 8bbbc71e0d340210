#include "core/calendar/typeddate.h"
#include "core/notes/notestore.h"
#include "core/search/notesearch.h"
#include "workfolder.h"

#include <QTemporaryDir>
#include <sys/stat.h>

using namespace plandeck;

namespace {

using Search = WorkFolderTest;

// "date|line|cursor" for each row of a search, as the Find window shows and
// uses them.
QStringList rowsFor(const NoteIndex& index, const QString& text)
{
    QStringList rows;
    for (NoteMatch match : index.find(text).matches) {
        describeMatch(match, text);
        const QDate& d = match.date;
        rows.append(QString::asprintf("%d-%02d-%02d|", d.year(), d.month(), d.day()) + match.line +
                    QLatin1Char('|') + QString::number(match.position));
    }
    return rows;
}

// Notes saved, rewritten in place by another program (same size) or deleted
// after the first search are followed. Case and accents are ignored (in the
// note and in the text), every kind of line break, the first match of a note,
// Windows-1252 notes, newest first.
TEST_F(Search, FollowsTheNotesAndFindsThoseHoldingTheText)
{
    NoteIndex index;
    EXPECT_FALSE(index.refresh());
    ASSERT_TRUE(UpdateData(17, 5, 1961, "the quokka visit").isOk());
    EXPECT_TRUE(index.refresh());
    EXPECT_EQ(rowsFor(index, QStringLiteral("quokka")),
              QStringList("1961-05-17|the quokka visit|4"));
    writeFile("data/1961-05-17.txt", "the wombat visit");
    EXPECT_TRUE(index.refresh());
    EXPECT_EQ(rowsFor(index, QStringLiteral("quokka")), QStringList());
    ASSERT_TRUE(DeleteData(17, 5, 1961).isOk());
    EXPECT_TRUE(index.refresh());
    EXPECT_EQ(index.size(), 0);

    for (const QByteArray note :
         {"1961-05-17:The Quokka Visit", "2001-01-01:one\r\ntwo\rthree\nfour quokka\r\nquokka",
          "999-12-31:quokka", "10000-01-01:quokka", "1900-01-01:wombat",
          "2002-01-01:caf\xe9 cr\xe8me", "2002-01-02:cafe creme",
          "2003-01-01:\x80 5 \x8c\x75vre"}) {
        writeFile("data/" + note.left(note.indexOf(':')) + ".txt", note.mid(note.indexOf(':') + 1));
    }
    EXPECT_TRUE(index.refresh());
    EXPECT_EQ(rowsFor(index, QStringLiteral("QUOKKA")),
              QStringList({"10000-01-01|quokka|0", "2001-01-01|four quokka|19",
                           "1961-05-17|The Quokka Visit|4", "999-12-31|quokka|0"}));
    EXPECT_EQ(rowsFor(index, QStringLiteral("CAFE CRÈME")),
              QStringList({"2002-01-02|cafe creme|0", "2002-01-01|café crème|0"}));
    EXPECT_EQ(rowsFor(index, QStringLiteral("œUVRE")), QStringList("2003-01-01|€ 5 Œuvre|4"));
    EXPECT_EQ(rowsFor(index, QStringLiteral("koala")), QStringList());
}

// Folding beyond what Windows-1252 notes hold: the cursor position must land
// on the first character of the match in the text as shown, after decomposed
// accents or a surrogate pair.
TEST(Folding, MatchPositionCountsInTheShownText)
{
    EXPECT_EQ(
        locateMatch(QStringLiteral("e\u0301te\u0301 quokka"), QStringLiteral("quokka")).position,
        6);
    EXPECT_EQ(locateMatch(QStringLiteral("\U0001F600 quokka"), QStringLiteral("QUOKKA")).position,
              3);
    EXPECT_EQ(locateMatch(QStringLiteral("an der Straße"), QStringLiteral("STRASSE")).position, 7);
}

// Only regular files named as notes are read, a link to one too; an unreadable
// note is listed with its reason, never hiding the others.
TEST_F(Search, OddEntriesAreSkippedAndUnreadableNotesListed)
{
    for (const char* name :
         {"data/2004-01-08.txt", "elsewhere/2004-02-01.txt", "data/2004-01-07.txt",
          "data/.2004-01-11.txt.saving", "data/2004-01-12.txt.outside-1", "data/2004-1-13.txt",
          "data/02004-01-14.txt", "data/2004-02-30.txt", "data/0-01-01.txt", "data/notes.txt"}) {
        writeFile(QLatin1String(name), "x");
    }
    ASSERT_EQ(::symlink("../elsewhere/2004-02-01.txt", "data/2004-01-05.txt") |
                  ::symlink("../nowhere.txt", "data/2004-01-06.txt") |
                  ::chmod("data/2004-01-07.txt", 0) | ::mkdir("data/2004-01-09.txt", 0700) |
                  ::mkfifo("data/2004-01-10.txt", 0600),
              0);
    NoteIndex index;
    index.refresh();
    const FoundNotes found = index.find(QStringLiteral("x"));
    QStringList listed;
    for (const NoteMatch& match : found.matches) {
        listed.append(match.date.toString(Qt::ISODate) +
                      (match.error.contains("2004-01-07.txt") ? "!" : match.error));
    }
    EXPECT_EQ(found.matching, 2);
    EXPECT_EQ(listed, QStringList({"2004-01-08", "2004-01-07!", "2004-01-05"}));
}

// The index kept between sessions is a head start only: a note changed since
// it was written is read again; a damaged file or one of another working
// folder is refused; a cache folder inside data/ gets no file.
TEST_F(Search, KeptIndexIsCheckedAndRefusedWhenDamagedOrForeign)
{
    writeFile("data/2001-01-01.txt", "quokka");
    writeFile("data/2002-01-02.txt", "wombat");
    const QString kept = NoteIndex::cacheFileName();
    ASSERT_TRUE(kept.startsWith(QDir::currentPath() + "/cache/plandeck/find-"))
        << kept.toStdString();
    NoteIndex first;
    first.setSpillFile(kept, 1); // each year goes to the file once built
    first.refresh();
    EXPECT_EQ(rowsFor(first, "quokka"), QStringList("2001-01-01|quokka|0"));
    ASSERT_TRUE(first.save(kept));
    struct stat st
    {
    };
    EXPECT_TRUE(::stat(QFile::encodeName(kept).constData(), &st) == 0 &&
                (st.st_mode & 0777) == 0600);
    writeFile("data/2002-01-02.txt", "quokka");
    NoteIndex loaded;
    ASSERT_TRUE(loaded.load(kept));
    EXPECT_EQ(rowsFor(loaded, "quokka"), QStringList("2001-01-01|quokka|0"));
    EXPECT_TRUE(loaded.refresh());
    EXPECT_EQ(rowsFor(loaded, "quokka").size(), 2);

    const QByteArray whole = readFile(kept);
    for (const QByteArray& damaged : {whole.left(whole.size() - 1), whole.left(100),
                                      QByteArray(whole).replace(whole.size() - 20, 1, "X")}) {
        writeFile(kept, damaged);
        NoteIndex index;
        EXPECT_FALSE(index.load(kept)) << damaged.size();
    }
    writeFile(kept, whole);
    QTemporaryDir other;
    ASSERT_TRUE(QDir::setCurrent(other.path()));
    NoteIndex foreign;
    EXPECT_FALSE(foreign.load(kept));
    ASSERT_TRUE(QDir::setCurrent(QFileInfo(kept).absolutePath() + "/../.."));
    qputenv("XDG_CACHE_HOME", "data/cache");
    EXPECT_EQ(NoteIndex::cacheFileName(), QString());
}

// Only the first 4 MiB of a note are searched (here a sparse 1 GiB file),
// and its row says so with the note's size.
TEST_F(Search, LargeNoteIsSearchedUpTo4MiBAndItsRowSaysItsSize)
{
    writeFile("data/2001-01-01.txt", "the quokka\r\n");
    QFile note("data/2001-01-01.txt");
    ASSERT_TRUE(note.open(QIODevice::ReadWrite) && note.resize(qint64(1) << 30) &&
                note.seek(kSearchedBytes) && note.write("wombat") == 6);
    note.close();
    NoteIndex index;
    index.refresh();
    EXPECT_EQ(rowsFor(index, "wombat"), QStringList());
    EXPECT_EQ(rowsFor(index, "quokka"),
              QStringList("2001-01-01|the quokka (a note of 1.0 GiB; only its first 4 MiB are "
                          "searched)|4"));
}

// ISO dates in any locale and within the 16-bit years, the locale's short
// format with one or two digits for day and month, two or four for the year;
// a two-digit year is the one within 50 years of today. Anything else is
// refused, with an example that leads to the date it names.
TEST(TypedDates, AreReadOrRefused)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates), german(QLocale::German),
        french(QLocale::French, QLocale::France), uk(QLocale::English, QLocale::UnitedKingdom);
    const QDate today(2026, 12, 6), late(2090, 1, 1);
    const std::tuple<const char*, QLocale, QDate, QDate> rows[] = {
        {" 2031-7-4 ", german, today, {2031, 7, 4}},
        {"32768-01-01", us, today, {}},
        {"2031-02-29", us, today, {}},
        {"04.07.2031", german, today, {2031, 7, 4}},
        {"4.7.2031", german, today, {2031, 7, 4}},
        {"04.07.31", german, today, {2031, 7, 4}},
        {"7/4/31", us, today, {2031, 7, 4}},
        {"1/2/77", us, today, {1977, 1, 2}},
        {"1/2/76", us, today, {2076, 1, 2}},
        {"7/4/31", us, late, {2131, 7, 4}},
        {"4/7/2031", uk, today, {2031, 7, 4}},
        {"31/04/2031", french, today, {}},
        {"7/14/31", uk, today, {}}};
    EXPECT_EQ(parseTypedDate(QStringLiteral("32767-12-31"), us).date, QDate(32767, 12, 31));
    for (const auto& [text, locale, near, date] : rows) {
        const TypedDate typed = parseTypedDate(QLatin1String(text), locale, near);
        EXPECT_TRUE(typed.date == date && typed.isValid() == date.isValid())
            << text << " gave " << typed.date.toString(Qt::ISODate).toStdString();
    }
    for (const QLocale& locale : {us, german, french, uk}) {
        for (const QDate& near : {today, late}) {
            const QString example = typedDateExample(locale, near).section(QLatin1Char(' '), -1);
            EXPECT_EQ(parseTypedDate(example, locale, near).date, QDate(2031, 7, 4))
                << example.toStdString();
        }
    }
}

} // namespace
