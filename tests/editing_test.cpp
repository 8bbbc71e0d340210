#include "windowfixture.h"

#include <QClipboard>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <sys/stat.h>

#include "windows/shutdown.h"

using namespace plandeck;

namespace {

using Editing = WindowTest;

const QString kNote5 = QStringLiteral("data/2007-12-05.txt");

TEST_F(Editing, NoteTypedBeforeANavigationClickIsSavedUnderItsOwnMonth)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("dentist"));
    EXPECT_EQ(form->EditIndex, GetIndex(5, 12, 2007));
    click(form->Command1);
    EXPECT_EQ(form->M, 1);
    EXPECT_EQ(readFile(kNote5), QByteArray("dentist"));
    EXPECT_FALSE(exists("data/2008-01-05.txt"));
    EXPECT_EQ(form->EditIndex, 0);
    click(form->Command2);
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QStringLiteral("dentist"));
}

TEST_F(Editing, LineBreaksAreStoredAsCrLf)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("one"));
    QTest::keyClick(boxOf(*form, 5), Qt::Key_Return);
    QTest::keyClicks(boxOf(*form, 5), QStringLiteral("two"));
    click(form->Command7);
    EXPECT_EQ(readFile(kNote5), QByteArray("one\r\ntwo"));
}

TEST_F(Editing, EmptiedNoteDeletesItsFileAndAnEmptyBoxTouchesNothing)
{
    writeFile(kNote5, "x");
    const auto form = openForm();
    click(boxOf(*form, 5));
    QTest::keyClick(boxOf(*form, 5), Qt::Key_End);
    QTest::keyClick(boxOf(*form, 5), Qt::Key_Backspace);
    click(form->Command9);
    EXPECT_FALSE(exists(kNote5));

    QDir().rmdir("data");
    click(boxOf(*form, 6));
    click(boxOf(*form, 7));
    click(form->Command7);
    EXPECT_FALSE(exists("data")) << "leaving empty boxes writes nothing";
}

TEST_F(Editing, OnlyBlanksAreStillANote)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("  "));
    click(form->Command7);
    EXPECT_EQ(readFile(kNote5), QByteArray("  "));
}

TEST_F(Editing, FocusMovingBetweenCellsSavesAndMovesTheHighlight)
{
    const auto form = openForm();
    // In December 2007 cells 7 and 8 hold the 1st and the 2nd.
    QPushButton* first = form->Command4[7];
    QPushButton* second = form->Command4[8];
    click(form->Text1[7]);
    EXPECT_TRUE(first->font().bold());
    EXPECT_EQ(first->font().pointSize(), 9);
    QTest::keyClicks(form->Text1[7], QStringLiteral("first"));
    click(form->Text1[8]);
    EXPECT_EQ(readFile("data/2007-12-01.txt"), QByteArray("first"));
    EXPECT_FALSE(first->font().bold());
    EXPECT_EQ(first->font().pointSize(), 8);
    EXPECT_TRUE(second->font().bold());
    EXPECT_EQ(second->font().pointSize(), 9);
    EXPECT_EQ(form->EditIndex, 8);
    EXPECT_EQ(form->EditDay, 2);
}

TEST_F(Editing, TimerTickSavesTheBoxBeingEditedOnly)
{
    writeFile("data/2007-12-20.txt", "untouched");
    const auto form = openForm();
    form->Timer1_Timer();
    EXPECT_EQ(entries("data"), QStringList{"2007-12-20.txt"});

    typeInto(*form, 5, QStringLiteral("draft"));
    form->Timer1_Timer();
    EXPECT_EQ(readFile(kNote5), QByteArray("draft"));
    QTest::keyClicks(boxOf(*form, 5), QStringLiteral(" two"));
    form->Timer1_Timer();
    EXPECT_EQ(readFile(kNote5), QByteArray("draft two"));
    EXPECT_EQ(form->EditIndex, GetIndex(5, 12, 2007)) << "a tick keeps the box being edited";
    EXPECT_EQ(readFile("data/2007-12-20.txt"), QByteArray("untouched"));
}

TEST_F(Editing, ClosingSavesTheNoteThenRemovesReportsAndWindows)
{
    writeFile("temp/report-OLD.htm", "old report");
    auto form = openForm();
    typeInto(*form, 5, QStringLiteral("last words"));
    click(form->Command9);
    ASSERT_NE(form->aboutWindow(), nullptr);
    typeInto(*form, 5, QStringLiteral("!"));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readFile(kNote5), QByteArray("last words!"));
    EXPECT_FALSE(exists("temp/report-OLD.htm"));
    EXPECT_EQ(form->windows().count(), 0);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Editing, UntouchedNotesAreNeverRewritten)
{
    const QByteArray odd("lone\nLF, lone\rCR, tab\t, NUL\0 and \x81\xFF", 36);
    writeFile(kNote5, odd);
    const auto form = openForm();
    click(boxOf(*form, 5));
    form->Timer1_Timer();
    click(form->Command7);
    EXPECT_EQ(readFile(kNote5), odd);

    // Typing and undoing it back gives the loaded bytes, not a normalised copy.
    typeInto(*form, 5, QStringLiteral("x"));
    QTest::keyClick(boxOf(*form, 5), Qt::Key_Backspace);
    click(form->Command7);
    EXPECT_EQ(readFile(kNote5), odd);

    // Another program rewrites the note while its box shows the old text: a
    // box nobody typed into does not write its stale text back.
    writeFile(kNote5, "newer, from a sync tool");
    click(boxOf(*form, 5));
    form->Timer1_Timer();
    click(form->Command7);
    EXPECT_EQ(readFile(kNote5), QByteArray("newer, from a sync tool"));
}

// What is typed or pasted is kept: stored in Windows-1252 when it fits and
// would not read as UTF-8, otherwise in UTF-8.
TEST_F(Editing, TypedAndPastedTextIsKept)
{
    const auto form = openForm();
    for (const auto& [day, typed] :
         {std::pair{6, QStringLiteral("plain é")}, std::pair{5, QStringLiteral("Łódź")}}) {
        click(boxOf(*form, day));
        for (const QChar c : typed) {
            QTest::sendKeyEvent(QTest::Click, boxOf(*form, day), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
    QApplication::clipboard()->setText(QStringLiteral(" ✓"));
    QTest::keyClick(boxOf(*form, 5), Qt::Key_V, Qt::ControlModifier);
    click(form->Command7);
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QStringLiteral("Łódź ✓"));
    EXPECT_EQ(readFile(kNote5), QByteArray("\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x9C\x93"));
    EXPECT_EQ(readFile("data/2007-12-06.txt"), QByteArray("plain \xE9"));
}

TEST_F(Editing, ResizeWhileTypingLosesNothing)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("typed before the resize"));
    NoteBox* box = boxOf(*form, 5);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(5);
    box->setTextCursor(cursor);
    form->resize(900, 650);
    QApplication::processEvents();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("typed before the resize"));
    EXPECT_EQ(box->textCursor().position(), 5);
    EXPECT_EQ(readFile(kNote5), QByteArray("typed before the resize"));
    EXPECT_EQ(QApplication::focusWidget(), box);
}

// A save that fails keeps the text, says why, blocks what would replace the
// text, and succeeds once the cause is gone.
TEST_F(Editing, FailedSaveKeepsTheTextAndTriesAgain)
{
    writeFile("data", "a file where the folder belongs");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("precious"));
    click(form->Command1);
    ASSERT_EQ(warnings.size(), 2) << "one for the focus loss, one for the refused step";
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("5-December-2007 Wednesday")));
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("Not a directory")))
        << warnings.first().toStdString();
    EXPECT_EQ(form->M, 12) << "the month stays while its note is unsaved";
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QStringLiteral("precious"));

    form->resize(850, 620);
    QApplication::processEvents();
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QStringLiteral("precious"));

    QFile::remove("data");
    form->Timer1_Timer();
    EXPECT_EQ(readFile(kNote5), QByteArray("precious"));
    EXPECT_FALSE(form->hasUnsavedNotes());
    click(form->Command1);
    EXPECT_EQ(form->M, 1);
}

// Every box whose save failed is remembered, not only the last one.
TEST_F(Editing, TwoFailedSavesAreBothKept)
{
    QDir().mkpath("data/2007-12-05.txt");
    QDir().mkpath("data/2007-12-06.txt");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("fifth"));
    typeInto(*form, 6, QStringLiteral("sixth"));
    click(form->Command7);
    QDir().rmdir("data/2007-12-06.txt");
    form->Timer1_Timer();
    EXPECT_EQ(readFile("data/2007-12-06.txt"), QByteArray("sixth"));
    click(form->Command1);
    EXPECT_EQ(form->M, 12) << "the 5th is still unsaved";
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QStringLiteral("fifth"));
    QDir().rmdir("data/2007-12-05.txt");
    click(form->Command1);
    EXPECT_EQ(form->M, 1);
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("fifth"));
}

TEST_F(Editing, ClosingWithAnUnsavableNoteAsksFirst)
{
    writeFile("data", "blocking file");
    auto form = openForm();
    typeInto(*form, 5, QStringLiteral("keep me"));
    confirmAnswer = false;
    EXPECT_FALSE(form->close());
    EXPECT_EQ(confirmations, 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QStringLiteral("keep me"));
    confirmAnswer = true;
    EXPECT_TRUE(form->close());
    EXPECT_EQ(confirmations, 2);
}

TEST_F(Editing, UnreadableNoteIsShownAsSuchAndNeverWritten)
{
    writeFile(kNote5, "private");
    ASSERT_EQ(::chmod(kNote5.toLocal8Bit().constData(), 0), 0);
    {
        const WithoutFilePowers unprivileged;
        const auto form = openForm();
        NoteBox* box = boxOf(*form, 5);
        EXPECT_TRUE(box->toPlainText().contains(QStringLiteral("could not be read")));
        EXPECT_TRUE(box->isReadOnly());
        click(box);
        QTest::keyClick(box, Qt::Key_Backspace);
        form->Timer1_Timer();
        click(form->Command1);
        click(form->Command2);
        EXPECT_TRUE(form->close());
    }
    ::chmod(kNote5.toLocal8Bit().constData(), 0600);
    EXPECT_EQ(readFile(kNote5), QByteArray("private"));
}

TEST_F(Editing, TerminationSignalSavesTheNoteBeingEdited)
{
    const auto form = openForm();
    installShutdownHandlers(*form);
    typeInto(*form, 5, QStringLiteral("saved on SIGTERM"));
    ::raise(SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(exists(kNote5), 5000);
    EXPECT_EQ(readFile(kNote5), QByteArray("saved on SIGTERM"));
    EXPECT_FALSE(form->isVisible());
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        std::signal(signalNumber, SIG_DFL);
    }
}

TEST_F(Editing, SessionEndSavesWithoutClosing)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("session ends"));
    form->saveEditedNote();
    EXPECT_EQ(readFile(kNote5), QByteArray("session ends"));
    EXPECT_TRUE(form->isVisible());
}

} // namespace

namespace {

TEST_F(Editing, UndoNeverReachesIntoAnotherDaysNote)
{
    // The cell of 10 December shows 14 January a month later, with the same text.
    writeFile("data/2008-01-14.txt", "abc");
    const auto form = openForm();
    ASSERT_EQ(GetIndex(10, 12, 2007), GetIndex(14, 1, 2008));
    typeInto(*form, 10, QStringLiteral("abc"));
    click(form->Command1);
    NoteBox* box = boxOf(*form, 14);
    click(box);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    click(form->Command7);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("abc"));
    EXPECT_EQ(readFile("data/2008-01-14.txt"), QByteArray("abc"));
    EXPECT_EQ(readFile("data/2007-12-10.txt"), QByteArray("abc"));
}

} // namespace
