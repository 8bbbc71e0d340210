#include "windowfixture.h"

#include "windows/shutdown.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSignalSpy>
#include <QTest>
#include <csignal>

using namespace plandeck;

namespace {

using Editing = WindowTest;

const QString kNote5 = QStringLiteral("data/2007-12-05.txt");

// Each way of leaving a box or ending the program saves what was typed.
struct SaveTrigger
{
    const char* name;
    void (*trigger)(Form1& form);
    bool windowStays;
};

void PrintTo(const SaveTrigger& row, std::ostream* out)
{
    *out << row.name;
}

class SaveTriggers : public WindowTest, public ::testing::WithParamInterface<SaveTrigger>
{
};

TEST_P(SaveTriggers, SaveTheNoteBeingEdited)
{
    const auto form = openForm();
    installShutdownHandlers(*form);
    typeInto(*form, 5, QStringLiteral("typed"));
    ASSERT_FALSE(exists(kNote5));
    GetParam().trigger(*form);
    QTRY_COMPARE_WITH_TIMEOUT(readFile(kNote5), QByteArray("typed"), 5000);
    EXPECT_EQ(form->isVisible(), GetParam().windowStays);
    EXPECT_TRUE(warnings.isEmpty());
}

void raiseAndRestore(int signalNumber)
{
    ::raise(signalNumber);
    QTest::qWait(50);
    std::signal(signalNumber, SIG_DFL);
}

INSTANTIATE_TEST_SUITE_P(
    Events, SaveTriggers,
    ::testing::Values(SaveTrigger{"FocusToAnotherCell",
                                  [](Form1& f) { WindowTest::click(WindowTest::boxOf(f, 6)); },
                                  true},
                      SaveTrigger{"TimerTick", [](Form1& f) { WindowTest::tick(f); }, true},
                      SaveTrigger{"WindowClose", [](Form1& f) { f.close(); }, false},
                      SaveTrigger{"SessionEnd",
                                  [](Form1&) {
                                      auto* manager = qGuiApp->findChild<QSessionManager*>();
                                      ASSERT_NE(manager, nullptr);
                                      Q_EMIT qGuiApp->commitDataRequest(*manager);
                                  },
                                  true},
                      SaveTrigger{"SIGTERM", [](Form1&) { raiseAndRestore(SIGTERM); }, false},
                      SaveTrigger{"SIGINT", [](Form1&) { raiseAndRestore(SIGINT); }, false},
                      SaveTrigger{"SIGHUP", [](Form1&) { raiseAndRestore(SIGHUP); }, false}),
    [](const auto& row) { return std::string(row.param.name); });

// What is typed reaches the file as Windows-1252 bytes with CR LF breaks.
struct Typing
{
    const char* name;
    QString typed;
    QString pasted;
    QString shown;
    QByteArray stored;
};

void PrintTo(const Typing& row, std::ostream* out)
{
    *out << row.name;
}

class TypedText : public WindowTest, public ::testing::WithParamInterface<Typing>
{
};

TEST_P(TypedText, IsStoredAsTheBoxShowsIt)
{
    const Typing& t = GetParam();
    const auto form = openForm();
    NoteBox* box = boxOf(*form, 5);
    click(box);
    for (const QChar c : t.typed) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    if (!t.pasted.isEmpty()) {
        QApplication::clipboard()->setText(t.pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(box->toPlainText(), t.shown);
    tick(*form);
    EXPECT_EQ(readFile(kNote5), t.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, TypedText,
    ::testing::Values(
        Typing{"LineBreaksAsCrLf",
               QStringLiteral("one\ntwo"),
               {},
               QStringLiteral("one\ntwo"),
               "one\r\ntwo"},
        Typing{"OnlyBlanksAreANote", QStringLiteral("  "), {}, QStringLiteral("  "), "  "},
        // Characters the code page lacks become '?' as they are typed or pasted.
        Typing{"OutsideTheCodePage", QString::fromUtf16(u"caf\u00e9 \u03b1\u20ac"),
               QString::fromUtf16(u" \U0001F600"), QString::fromUtf16(u"caf\u00e9 ?\u20ac ?"),
               "caf\xE9 ?\x80 ?"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Editing, EmptiedNoteDeletesItsFileAndAnEmptyBoxWritesNothing)
{
    writeFile(kNote5, "x");
    const auto form = openForm();
    click(boxOf(*form, 5));
    QTest::keyClick(boxOf(*form, 5), Qt::Key_End);
    QTest::keyClick(boxOf(*form, 5), Qt::Key_Backspace);
    click(boxOf(*form, 6));
    EXPECT_FALSE(exists(kNote5));
    QDir().rmdir("data");
    click(boxOf(*form, 7));
    tick(*form);
    EXPECT_FALSE(exists("data")) << "leaving empty boxes writes nothing";
}

TEST_F(Editing, TheDayBeingEditedIsBold)
{
    const auto form = openForm();
    click(boxOf(*form, 1));
    EXPECT_TRUE(dayButtonOf(*form, 1)->font().bold());
    EXPECT_EQ(dayButtonOf(*form, 1)->font().pointSize(), 9);
    click(boxOf(*form, 2));
    EXPECT_FALSE(dayButtonOf(*form, 1)->font().bold());
    EXPECT_EQ(dayButtonOf(*form, 1)->font().pointSize(), 8);
    EXPECT_TRUE(dayButtonOf(*form, 2)->font().bold());
}

TEST_F(Editing, UntouchedNotesAreNeverRewritten)
{
    const QByteArray odd("lone\nLF, lone\rCR, tab\t, NUL\0 and \x81\xFF", 36);
    writeFile(kNote5, odd);
    const auto form = openForm();
    click(boxOf(*form, 5));
    tick(*form);
    click(boxOf(*form, 6));
    EXPECT_EQ(readFile(kNote5), odd);

    // Typing and undoing it back gives the loaded bytes, not a normalised copy.
    typeInto(*form, 5, QStringLiteral("x"));
    QTest::keyClick(boxOf(*form, 5), Qt::Key_Backspace);
    click(boxOf(*form, 6));
    EXPECT_EQ(readFile(kNote5), odd);

    // Another program rewrites the note while its box shows the old text: a
    // box nobody typed into does not write its stale text back.
    writeFile(kNote5, "newer, from a sync tool");
    click(boxOf(*form, 5));
    tick(*form);
    form->close();
    EXPECT_EQ(readFile(kNote5), QByteArray("newer, from a sync tool"));
}

TEST_F(Editing, UndoNeverReachesIntoAnotherDaysNote)
{
    // The cell of 10 December shows 14 January a month later, with the same text.
    writeFile("data/2008-01-14.txt", "abc");
    const auto form = openForm();
    typeInto(*form, 10, QStringLiteral("abc"));
    click(*form, QStringLiteral("Command1"));
    NoteBox* box = boxOf(*form, 14);
    click(box);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    tick(*form);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("abc"));
    EXPECT_EQ(readFile("data/2008-01-14.txt"), QByteArray("abc"));
    EXPECT_EQ(readFile("data/2007-12-10.txt"), QByteArray("abc"));
}

TEST_F(Editing, ResizeWhileTypingLosesNothing)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("typed before the resize"));
    NoteBox* box = boxOf(*form, 5);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(5);
    box->setTextCursor(cursor);
    writeFile(kNote5, "written elsewhere");
    form->resize(900, 650);
    QApplication::processEvents();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("typed before the resize"));
    EXPECT_EQ(box->textCursor().position(), 5);
    EXPECT_EQ(QApplication::focusWidget(), box);
}

} // namespace
