#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "core/reminder/digest.h"
#include "systemcallfault.h"
#include "windowfixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// Notes changed by another program while their month is shown, notes too
// large to lay out at once, odd files with a note's name and saves failing at
// each step: what the main window shows, and what it saves.

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
// shows from its start. A box with the cursor in it is not reloaded under the
// reader, even unedited; it catches up when left.
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
    const auto form = openForm();
    click(boxOf(*form, 6));
    changeOutside(ByRename, "after");
    QTest::qWait(400);
    EXPECT_EQ(boxOf(*form, 6)->noteText(), QString());
    click(boxOf(*form, 7));
    EXPECT_EQ(boxOf(*form, 6)->noteText(), QStringLiteral("after"));
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

// Name, type, size, and content or link target of every entry in a folder.
QStringList snapshot(const QString& folder)
{
    QStringList lines;
    for (const QString& name : WorkFolderTest::entries(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        struct stat st = {};
        ::lstat(path.toLocal8Bit().constData(), &st);
        // A FIFO is never opened, here either.
        const QByteArray content = S_ISREG(st.st_mode)   ? WorkFolderTest::readFile(path)
                                   : S_ISLNK(st.st_mode) ? QFileInfo(path).symLinkTarget().toUtf8()
                                                         : QByteArray();
        lines.append(QStringLiteral("%1 %2 %3 ").arg(name).arg(st.st_mode).arg(st.st_size) +
                     QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex());
    }
    return lines;
}

// Odd entries with a note's name are shown for what they are and come out
// unchanged: a note that cannot be read (no permission; a link to a file not
// named like a note, such as /proc/self/mem) is shown as such, read-only, is
// listed as unreadable by the reminder and stops the report.
TEST_F(Outside, NothingInTheDataFolderBlocksCrashesOrIsChanged)
{
    writeFile("data/2007-12-01.txt", "");
    writeFile("data/2007-12-02.txt", QByteArray(10 * 1024 * 1024, 'x'));
    writeFile("data/2007-12-03.txt", allBytes() + allBytes());
    ASSERT_EQ(::mkfifo("data/2007-12-04.txt", 0600), 0);
    QDir().mkpath("data/2007-12-05.txt");
    ASSERT_EQ(::symlink("missing-target.txt", "data/2007-12-06.txt"), 0);
    writeFile("data/2007-12-07.txt", QByteArray(20000, 'y') + "\r\nshort line");
    writeFile("data/2007-12-08.txt", "private");
    ASSERT_EQ(::chmod("data/2007-12-08.txt", 0), 0);
    ASSERT_EQ(::symlink("/proc/self/mem", "data/2007-12-09.txt"), 0);
    writeFile("data/notes.txt", "not a date");
    writeFile("data/2007-12-7.txt", "no leading zero");
    const QStringList before = snapshot("data");
    {
        const auto form = openForm();
        EXPECT_EQ(boxOf(*form, 3)->toPlainText().size(), 512);
        for (const auto& [day, shown] :
             {std::pair(2, "too large"), std::pair(7, "too large"),
              std::pair(8, "could not be read"), std::pair(9, "could not be read")}) {
            EXPECT_TRUE(boxOf(*form, day)->toPlainText().contains(QLatin1String(shown))) << day;
            EXPECT_TRUE(boxOf(*form, day)->isReadOnly()) << day;
            click(boxOf(*form, day));
            QTest::keyClick(boxOf(*form, day), Qt::Key_Delete);
            QTest::keyClick(boxOf(*form, day), Qt::Key_Backspace);
        }
        EXPECT_TRUE(boxOf(*form, 8)->toPlainText().contains(QStringLiteral("Permission denied")));
        EXPECT_TRUE(boxOf(*form, 9)->toPlainText().contains(
            QStringLiteral("links to a file that is not a note")));
        for (int day = 1; day <= 9; ++day) {
            click(boxOf(*form, day));
            tick(*form);
            const QString digest = reminderDigest(Int16(day), 12, 2008);
            EXPECT_EQ(digest.contains(QStringLiteral("could not be read")), day >= 8) << day;
        }
        click(*form, QStringLiteral("Command3"));
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings.first().contains(QStringLiteral("2007-12-08")));
        EXPECT_FALSE(exists("temp"));
        click(*form, QStringLiteral("Command1"));
        click(*form, QStringLiteral("Command2"));
        EXPECT_TRUE(form->close());
    }
    EXPECT_EQ(snapshot("data"), before);
    // The snapshot could not read the private note.
    ASSERT_EQ(::chmod("data/2007-12-08.txt", 0600), 0);
    EXPECT_EQ(readFile("data/2007-12-08.txt"), QByteArray("private"));
}

using SaveFault = WindowTest;

const QString kNote5 = GetFileName(5, 12, 2007);

// A save failing at each of its steps, through the real window: the text
// stays in its cell, the old note stays whole and the message names the
// step; the month, the report and closing wait for the text; the first save
// after the remedy works.
TEST_F(SaveFault, NothingTypedIsLostWhenAStepFails)
{
    // A save opens the lock, the saving file, what came out of the note's name
    // when the saving file was swapped in (to compare it with what was
    // loaded; in the second renameat2 row another program changed it first,
    // and it is renamed to a kept name) and the folder, in that order; it
    // syncs the saving file, then the folder.
    const std::tuple<SystemCallFault::Kind, int, const char*> rows[] = {
        {SystemCallFault::Open, 2, "Cannot create the saving file for"},
        {SystemCallFault::Fchmod, 1, "Cannot set the permissions of"},
        {SystemCallFault::Write, 1, "Cannot write the saving file for"},
        {SystemCallFault::Fsync, 1, "Cannot sync the saving file for"},
        {SystemCallFault::Renameat2, 1, "Cannot rename the saving file over"},
        {SystemCallFault::Renameat2, 2, "Cannot keep the text another program"},
        {SystemCallFault::Open, 4, "Cannot sync the folder of"},
        {SystemCallFault::Fsync, 2, "Cannot sync the folder of"},
        {SystemCallFault::Unlink, 1, "Cannot delete"}, // the note emptied
    };
    writeFile(kNote5, "old");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral(" new"));
    NoteBox* box = boxOf(*form, 5);
    for (const auto& [kind, nth, says] : rows) {
        SCOPED_TRACE(says);
        if (kind == SystemCallFault::Unlink) {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
        }
        const QByteArray before = nth == 2 && kind == SystemCallFault::Renameat2 ? "theirs" : "old";
        writeFile(kNote5, before);
        {
            const SystemCallFault fault(kind, nth, ENOSPC);
            tick(*form);
        }
        EXPECT_TRUE(warnings.last().contains(QLatin1String(says)) &&
                    warnings.last().contains(QStringLiteral("5-December-2007")))
            << warnings.last().toStdString();
        EXPECT_EQ(box->noteText(), kind == SystemCallFault::Unlink ? "" : "old new");
        EXPECT_EQ(readFile(kNote5), QString(says).contains("folder") ? "old new" : before);
        EXPECT_EQ(entries("data").filter(QStringLiteral(".saving")), QStringList());
    }
    {
        const SystemCallFault fault(SystemCallFault::Unlink, 1, EACCES);
        click(*form, QStringLiteral("Command1"));
    }
    EXPECT_EQ(caption(*form), QStringLiteral("December-2007")) << "the month stays";
    click(*form, QStringLiteral("Command3"));
    EXPECT_FALSE(exists("temp")) << "no report without the unsaved note";
    {
        const SystemCallFault fault(SystemCallFault::Unlink, 1, EACCES);
        EXPECT_FALSE(form->close());
    }
    EXPECT_EQ(confirmations, 1) << "closing asks first";
    // The remedy: the next save works and takes the message back.
    tick(*form);
    EXPECT_FALSE(exists(kNote5));
    EXPECT_EQ(dismissals, 1);
    click(*form, QStringLiteral("Command1"));
    EXPECT_EQ(caption(*form), QStringLiteral("January-2008"));

    // A name for the kept text that is already taken gets "-2".
    click(*form, QStringLiteral("Command2"));
    writeFile(kNote5, "old");
    typeInto(*form, 5, QStringLiteral(" new"));
    writeFile(kNote5, "theirs");
    {
        const SystemCallFault fault(SystemCallFault::Renameat2, 2, EEXIST);
        EXPECT_TRUE(form->saveNotes());
    }
    const QStringList kept = entries("data").filter(
        QRegularExpression(QStringLiteral("\\A2007-12-05\\.outside-\\d{8}-\\d{6}-2\\.txt\\z")));
    ASSERT_EQ(kept.size(), 1) << entries("data").join(' ').toStdString();
    EXPECT_EQ(readFile(QStringLiteral("data/") + kept[0]), QByteArray("theirs"));
}

} // namespace
