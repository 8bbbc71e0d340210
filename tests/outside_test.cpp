#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "windowfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollBar>
#include <QTest>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <unistd.h>

// Notes changed by another program while their month is shown, and notes too
// large to lay out at once: what the main window shows, and what it saves.

using namespace plandeck;

namespace {

using Outside = WindowTest;

const QString kNote = GetFileName(6, 12, 2007);

// `count` lines of `word` and a number: enough to scroll a cell; or a note of
// exactly `size` bytes.
QByteArray lines(int count, const QByteArray& word)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += word + ' ' + QByteArray::number(i) + "\r\n";
    }
    return bytes;
}
QByteArray largeNote(qsizetype size)
{
    return lines(int(size / 50), QByteArray(50, 'w')).left(size - 1) + '.';
}

enum How { InPlace, ByRename, Create, Delete };

// A sync tool writes a temporary file and renames it over the note.
void changeOutside(How how, const QByteArray& bytes)
{
    const QString written = how == ByRename ? kNote + QStringLiteral(".tmp") : kNote;
    if (how == Delete) {
        ASSERT_TRUE(QFile::remove(kNote));
    } else {
        WorkFolderTest::writeFile(written, bytes);
        ASSERT_EQ(std::rename(qPrintable(written), qPrintable(kNote)), 0);
    }
}

// A cell nobody is editing shows the outside change within a second, where
// its reader left it, and writes nothing; another day's note in that cell
// shows from its start.
TEST_F(Outside, AnUntouchedNoteShowsTheChangeAndKeepsItsPlace)
{
    for (const How how : {InPlace, ByRename, Create, Delete}) {
        SCOPED_TRACE(how);
        QDir(QStringLiteral("data")).removeRecursively();
        if (how != Create) {
            writeFile(kNote, lines(60, "before"));
        }
        const auto form = openForm();
        NoteBox* box = boxOf(*form, 6);
        box->verticalScrollBar()->setValue(5);
        const int scrolled = box->verticalScrollBar()->value();
        const QByteArray after = how == Delete ? QByteArray() : lines(60, "after");
        changeOutside(how, after);
        EXPECT_TRUE(QTest::qWaitFor([&] { return box->noteText() == displayText(after); }, 1000));
        if (how == InPlace || how == ByRename) {
            EXPECT_EQ(box->verticalScrollBar()->value(), scrolled);
        }
        EXPECT_EQ(readFile(kNote), after);
        writeFile("data/2008-01-10.txt", lines(60, "january"));
        click(*form, QStringLiteral("Command1"));
        EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    }
}

// The watch follows names: a data link re-pointed to another folder, and a
// note with a second hard link after a save; where the system refuses to
// watch, changes show by a check every two seconds, said once.
TEST_F(Outside, TheWatchFollowsNamesOrChecksEveryTwoSeconds)
{
    for (const bool watching : {true, false}) {
        SCOPED_TRACE(watching);
        if (!watching) {
            qputenv("PLANDECK_TEST_NO_WATCH", "1");
        }
        warnings.clear();
        QDir(QStringLiteral("data")).removeRecursively();
        QFile::remove(QStringLiteral("data"));
        writeFile("one/2007-12-06.txt", "one");
        writeFile("two/2007-12-06.txt", "two");
        ASSERT_EQ(::symlink("one", "data"), 0);
        const auto form = openForm();
        NoteBox* box = boxOf(*form, 6);
        ASSERT_EQ(::symlink("two", "data.new") | ::rename("data.new", "data"), 0);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return box->noteText() == "two"; }, watching ? 1000 : 2500));
        ASSERT_EQ(::link(qPrintable(kNote), "two/second-link.txt"), 0);
        typeInto(*form, 6, QStringLiteral(" mine"));
        click(boxOf(*form, 7));
        writeFile(kNote, "theirs");
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return box->noteText() == "theirs"; }, watching ? 1000 : 2500));
        EXPECT_EQ(warnings.filter(QStringLiteral("two seconds")).size(), watching ? 0 : 1);
    }
    qunsetenv("PLANDECK_TEST_NO_WATCH");
}

// A box with the cursor in it is not reloaded under the reader, even
// unedited; it catches up when left.
TEST_F(Outside, ABoxWithTheCursorCatchesUpWhenLeft)
{
    writeFile(kNote, "before");
    const auto form = openForm();
    click(boxOf(*form, 6));
    changeOutside(ByRename, "after");
    QTest::qWait(400);
    EXPECT_EQ(boxOf(*form, 6)->noteText(), QStringLiteral("before"));
    click(boxOf(*form, 7));
    EXPECT_EQ(boxOf(*form, 6)->noteText(), QStringLiteral("after"));
}

// A box being edited is never reloaded; every save keeps the outside text in
// a file beside the note and says so, or writes the note again when it was
// deleted outside.
TEST_F(Outside, AnEditedNoteKeepsTheUserTextAndTheOutsideText)
{
    const std::pair<How, std::function<void(Form1&)>> rows[] = {
        {ByRename, [](Form1& form) { click(boxOf(form, 7)); }},
        {InPlace,
         [](Form1& form) {
             QTest::keyClick(boxOf(form, 6), Qt::Key_PageDown, Qt::ControlModifier);
         }},
        {ByRename, tick},
        {ByRename, [](Form1& form) { form.close(); }},
        {Delete, [](Form1& form) { click(boxOf(form, 7)); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        QDir(QStringLiteral("data")).removeRecursively();
        warnings.clear();
        writeFile(kNote, "before");
        const auto form = openForm();
        typeInto(*form, 6, QStringLiteral(" mine"));
        changeOutside(row.first, "theirs");
        QTest::qWait(400);
        ASSERT_EQ(boxOf(*form, 6)->noteText(), QStringLiteral("before mine"));
        row.second(*form);
        EXPECT_EQ(readFile(kNote), QByteArray("before mine"));
        const QStringList kept =
            QDir(QStringLiteral("data")).entryList({QStringLiteral("2007-12-06.outside-*.txt")});
        ASSERT_EQ(kept.size(), row.first == Delete ? 0 : 1);
        ASSERT_EQ(warnings.size(), kept.size());
        for (const QString& name : kept) {
            EXPECT_EQ(readFile(QStringLiteral("data/") + name), QByteArray("theirs"));
            EXPECT_TRUE(warnings[0].contains(name));
            EXPECT_TRUE(warnings[0].contains(dayHeading(6, 12, 2007)));
        }
    }
}

// The fault this guards against: a note of exactly the largest size a box
// edits, one key typed and saved by the timer, then a resize: the cell being
// edited turned into the "too large" notice and dropped every further key.
TEST_F(Outside, ALargeNoteBeingEditedNeverTurnsIntoANotice)
{
    writeFile(kNote, largeNote(kLargestEditableNote));
    const auto form = openForm();
    typeInto(*form, 6, QStringLiteral("a"));
    form->saveNotes();
    form->resize(form->size() + QSize(60, 40));
    // Nor may the month shown again, or the notice of the save, reload it.
    QTest::qWait(400);
    NoteBox* box = boxOf(*form, 6);
    form->showDate(QDate(2007, 12, 6), box->document()->characterCount() - 1);
    QTest::keyClick(box, 'b');
    form->saveNotes();
    EXPECT_TRUE(readFile(kNote).endsWith(".ab"));
    EXPECT_EQ(QFileInfo(kNote).size(), kLargestEditableNote + 2);
    EXPECT_TRUE(warnings.isEmpty());
}

// A large note shows as its beginning until its box takes the focus; that
// preview is never saved, whatever saves around it. Typed into, the whole
// note is saved by a worker thread at the timer tick while typing goes on:
// here another copy holds the note's lock until a key has been typed and
// Next Month clicked. The click waits for the save without freezing the
// window; the key is saved by the next save, not taken for saved by the
// first, and then the month changes.
TEST_F(Outside, ALargeNoteIsPreviewedAndSavedInTheBackground)
{
    const QByteArray note = largeNote(kPreviewBytes * 3);
    writeFile(kNote, note);
    const auto form = openForm();
    ASSERT_TRUE(boxOf(*form, 6)->isReadOnly());
    click(boxOf(*form, 7));
    form->saveNotes();
    click(*form, QStringLiteral("Command1"));
    click(*form, QStringLiteral("Command2"));
    EXPECT_EQ(readFile(kNote), note);
    typeInto(*form, 6, QStringLiteral("a"));
    const int lock = ::open("data/.2007-12-06.txt.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    tick(*form);
    QTest::keyClick(boxOf(*form, 6), 'b');
    QElapsedTimer clock;
    clock.start();
    click(*form, QStringLiteral("Command1")); // waits for the save, not holding up the window
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(caption(*form), QStringLiteral("December-2007"));
    EXPECT_EQ(readFile(kNote), note);
    ::close(lock);
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption(*form) == "January-2008"; }, 5000));
    EXPECT_EQ(readFile(kNote), note + "ab");
    EXPECT_TRUE(warnings.isEmpty());
}

} // namespace
