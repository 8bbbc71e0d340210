#include "core/notes/notestore.h"
#include "windowfixture.h"

#include "core/notes/notetext.h"

#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTest>

// Notes changed by another program while their month is shown, and notes too
// large to lay out at once: what the main window shows, and what it saves.

using namespace plandeck;

namespace {

const QString kNote = GetFileName(6, 12, 2007);

// Lines enough to scroll a cell.
QByteArray lines(int count, const QByteArray& word)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += word + ' ' + QByteArray::number(i) + "\r\n";
    }
    return bytes;
}

// A note of exactly `size` bytes of short lines.
QByteArray largeNote(qsizetype size)
{
    QByteArray bytes = lines(int(size / 50), QByteArray(50, 'w'));
    bytes.truncate(size - 1);
    return bytes + '.';
}

// The window of the test and the box of the 6th, where every change happens.
class OutsideTest : public WindowTest
{
protected:
    void open() { form = openForm(); }
    plandeck::NoteBox* box(int day = 6) const { return boxOf(*form, day); }
    void typeAtEnd(const QString& text) { typeInto(*form, 6, text); }

    std::unique_ptr<Form1> form;
};

enum class Outside { ChangeInPlace, ChangeByRename, Create, Delete };

void changeOutside(Outside how, const QByteArray& bytes)
{
    QDir().mkpath(QStringLiteral("data"));
    if (how == Outside::Delete) {
        ASSERT_TRUE(QFile::remove(kNote));
        return;
    }
    // A sync tool writes a temporary file and renames it over the note.
    const QString written = how == Outside::ChangeByRename ? kNote + QStringLiteral(".tmp") : kNote;
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    if (written != kNote) {
        ASSERT_EQ(std::rename(qPrintable(written), qPrintable(kNote)), 0);
    }
}

struct UntouchedRow
{
    const char* name;
    Outside how;
};

void PrintTo(const UntouchedRow& row, std::ostream* out)
{
    *out << row.name;
}

class UntouchedNote : public OutsideTest, public ::testing::WithParamInterface<UntouchedRow>
{
};

// A cell nobody is editing shows the outside change within a second, where
// its reader left it.
TEST_P(UntouchedNote, ShowsTheChangeAndKeepsItsPlace)
{
    const UntouchedRow row = GetParam();
    if (row.how != Outside::Create) {
        writeFile(kNote, lines(60, "before"));
    }
    open();
    box()->verticalScrollBar()->setValue(5);
    const int scrolled = box()->verticalScrollBar()->value();
    const QByteArray after = row.how == Outside::Delete ? QByteArray() : lines(60, "after");
    changeOutside(row.how, after);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box()->noteText() == displayText(after); }, 1000));
    if (row.how != Outside::Create && row.how != Outside::Delete) {
        EXPECT_EQ(box()->verticalScrollBar()->value(), scrolled);
    }
    EXPECT_EQ(readFile(kNote), after) << "a reloaded box writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Outside, UntouchedNote,
                         ::testing::Values(UntouchedRow{"changed_in_place", Outside::ChangeInPlace},
                                           UntouchedRow{"changed_by_rename",
                                                        Outside::ChangeByRename},
                                           UntouchedRow{"created", Outside::Create},
                                           UntouchedRow{"deleted", Outside::Delete}),
                         [](const auto& row) { return std::string(row.param.name); });

enum class Save { FocusLoss, Shortcut, Tick, Close };

struct EditedRow
{
    const char* name;
    Outside how;
    Save save;
};

void PrintTo(const EditedRow& row, std::ostream* out)
{
    *out << row.name;
}

class EditedNote : public OutsideTest, public ::testing::WithParamInterface<EditedRow>
{
};

// A box being edited is never reloaded; its save keeps the outside text in
// a file beside the note and says so, or writes the note again when it was
// deleted outside.
TEST_P(EditedNote, KeepsTheUserTextAndTheOutsideText)
{
    const EditedRow row = GetParam();
    writeFile(kNote, "before");
    open();
    typeAtEnd(QStringLiteral(" mine"));
    changeOutside(row.how, "theirs");
    QTest::qWait(400);
    ASSERT_EQ(box()->noteText(), QStringLiteral("before mine"));
    switch (row.save) {
    case Save::FocusLoss:
        click(boxOf(*form, 7));
        break;
    case Save::Shortcut:
        QTest::keyClick(box(), Qt::Key_PageDown, Qt::ControlModifier);
        break;
    case Save::Tick:
        tick(*form);
        break;
    case Save::Close:
        form->close();
        break;
    }
    EXPECT_EQ(readFile(kNote), QByteArray("before mine"));
    const QStringList kept =
        QDir(QStringLiteral("data")).entryList({QStringLiteral("2007-12-06.txt.outside-*")});
    if (row.how == Outside::Delete) {
        EXPECT_TRUE(kept.isEmpty());
        EXPECT_TRUE(warnings.isEmpty());
        return;
    }
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(readFile(QStringLiteral("data/") + kept[0]), QByteArray("theirs"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(kept[0]));
    EXPECT_TRUE(warnings[0].contains(dayHeading(6, 12, 2007)));
}

INSTANTIATE_TEST_SUITE_P(
    Outside, EditedNote,
    ::testing::Values(EditedRow{"changed_then_focus_loss", Outside::ChangeByRename,
                                Save::FocusLoss},
                      EditedRow{"changed_then_navigation", Outside::ChangeInPlace, Save::Shortcut},
                      EditedRow{"changed_then_timer", Outside::ChangeByRename, Save::Tick},
                      EditedRow{"changed_then_close", Outside::ChangeByRename, Save::Close},
                      EditedRow{"deleted_then_focus_loss", Outside::Delete, Save::FocusLoss}),
    [](const auto& row) { return std::string(row.param.name); });

using LargeNote = OutsideTest;

// The fault this guards against: a note of exactly the largest size a box
// edits, one key typed and saved by the timer, then a resize: the cell being
// edited turned into the "too large" notice and dropped every further key.
TEST_F(LargeNote, BeingEditedNeverTurnsIntoANotice)
{
    writeFile(kNote, largeNote(kLargestEditableNote));
    open();
    typeAtEnd(QStringLiteral("a"));
    form->saveNotes();
    ASSERT_EQ(QFileInfo(kNote).size(), kLargestEditableNote + 1);
    form->resize(form->size() + QSize(60, 40));
    // Nor may the month shown again, or the notice of the save, reload it.
    QTest::qWait(400);
    form->showDate(QDate(2007, 12, 6), box()->document()->characterCount() - 1);
    ASSERT_TRUE(box()->isEditable());
    QTest::keyClick(box(), 'b');
    form->saveNotes();
    EXPECT_TRUE(readFile(kNote).endsWith(".ab"));
    EXPECT_EQ(QFileInfo(kNote).size(), kLargestEditableNote + 2);
    EXPECT_TRUE(warnings.isEmpty());
}

// A large note shows as its beginning until its box takes the focus; that
// preview is never saved, whatever saves around it.
TEST_F(LargeNote, PreviewIsNeverSaved)
{
    const QByteArray note = largeNote(kPreviewBytes * 3);
    writeFile(kNote, note);
    open();
    ASSERT_TRUE(box()->isPreview());
    click(box(7));
    form->saveNotes();
    click(*form, QStringLiteral("Command1"));
    click(*form, QStringLiteral("Command2"));
    ASSERT_TRUE(box()->isPreview());
    form->close();
    EXPECT_EQ(readFile(kNote), note);

    open();
    typeAtEnd(QStringLiteral("z"));
    EXPECT_FALSE(box()->isPreview());
    form->close();
    EXPECT_EQ(readFile(kNote), note + 'z');
}

} // namespace
