#include "windowfixture.h"

#include "windows/frmabout.h"
#include "windows/form3.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace plandeck;

namespace {

class Reminder : public WindowTest
{
protected:
    // Reminder mode with last year's note and an old report in the folder;
    // `ended` counts the times the program would end.
    std::unique_ptr<Form1> openReminder()
    {
        writeFile("data/2006-12-05.txt", "B");
        writeFile("temp/report-OLDAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm", "old");
        auto form = std::make_unique<Form1>(services());
        EXPECT_EQ(form->Form_Load(RunMode::Remind), LoadOutcome::ShowReminder);
        showAndActivate(*form->reminderWindow());
        QObject::connect(&form->windows(), &WindowList::allUnloaded, [this] { ++ended; });
        return form;
    }

    int ended = 0;
};

TEST_F(Reminder, NothingToShowEndsAtOnce)
{
    writeFile("data/2007-12-06.txt", "another day");
    writeFile("temp/report-XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX.htm", "closing steps must not run");
    auto form = std::make_unique<Form1>(services());
    EXPECT_EQ(form->Form_Load(RunMode::Remind), LoadOutcome::Quit);
    EXPECT_EQ(form->reminderWindow(), nullptr);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(exists("temp/report-XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX.htm"));
}

TEST_F(Reminder, ShowsTheDigestInsteadOfTheMonth)
{
    writeFile("data/2007-12-05.txt", "A");
    writeFile("data/2006-12-05.txt", "B");
    writeFile("data/2004-12-05.txt", "C");
    auto form = std::make_unique<Form1>(services());
    ASSERT_EQ(form->Form_Load(RunMode::Remind), LoadOutcome::ShowReminder);
    Form3* reminder = form->reminderWindow();
    ASSERT_NE(reminder, nullptr);
    showAndActivate(*reminder);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(reminder->windowTitle(), QStringLiteral("5-December-2007 Wednesday"));
    EXPECT_EQ(reminder->Text1->toPlainText(),
              QStringLiteral("A\n\nLast year on this day:\nB\n\n5-December-2004 Sunday:\nC"));
    EXPECT_EQ(reminder->size(), QSize(386, 337));
    EXPECT_EQ(reminder->Text1->geometry(), QRect(8, 8, 369, 289));
    EXPECT_EQ(reminder->Command2->geometry(), QRect(8, 304, 161, 25));
    EXPECT_EQ(reminder->Command1->geometry(), QRect(168, 304, 209, 25));
    EXPECT_EQ(reminder->Command1->text(), QStringLiteral("Bring up the Plandeck"));
    EXPECT_EQ(reminder->Command2->text(), QStringLiteral("Close"));
    EXPECT_EQ(reminder->Text1->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(reminder->Text1->font().pointSizeF(), 15.75);
    EXPECT_EQ(reminder->Text1->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xCC));
    EXPECT_EQ(QApplication::focusWidget(), reminder->Command1);
    EXPECT_EQ(reminder->minimumSize(), reminder->maximumSize()) << "fixed dialog";

    // Read-only but selectable and copyable.
    QTest::keyClicks(reminder->Text1, QStringLiteral("typed"));
    EXPECT_FALSE(reminder->Text1->toPlainText().contains(QStringLiteral("typed")));
    EXPECT_TRUE(reminder->Text1->textInteractionFlags() & Qt::TextSelectableByKeyboard);

    // The main window is fully built behind it.
    EXPECT_EQ(form->Label3[5]->text(), QStringLiteral("Thurs"));
    EXPECT_NE(form->Text1[35], nullptr);
}

TEST_F(Reminder, WelcomeComesFirst)
{
    writeFile("ft.txt", "");
    writeFile("data/2007-12-05.txt", "A");
    auto form = std::make_unique<Form1>(services());
    ASSERT_EQ(form->Form_Load(RunMode::Remind), LoadOutcome::ShowReminder);
    EXPECT_EQ(welcomes.size(), 1);
}

TEST_F(Reminder, BringUpShowsTodaysMonthAndClosingTheMainWindowEndsAll)
{
    auto form = openReminder();
    Form3* reminder = form->reminderWindow();

    click(reminder->Command1);
    EXPECT_FALSE(reminder->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->Label1->text(), QStringLiteral("December-2007"));
    EXPECT_TRUE(boxOf(*form, 5)->isVisible());
    EXPECT_EQ(form->windows().count(), 2);

    EXPECT_TRUE(form->close());
    EXPECT_EQ(form->windows().count(), 0);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(exists("temp/report-OLDAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm"));
}

TEST_F(Reminder, CloseEndsTheProgramAndRunsTheMainWindowsClosingSteps)
{
    auto form = openReminder();
    Form3* reminder = form->reminderWindow();
    click(reminder->Command2);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(form->windows().count(), 0);
    EXPECT_FALSE(reminder->isVisible());
    EXPECT_FALSE(exists("temp/report-OLDAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm"))
        << "the main window's unload ran";
    // A second close of either window does nothing more.
    reminder->close();
    form->close();
    EXPECT_EQ(ended, 1);
}

TEST_F(Reminder, CloseBoxEndsTheProgramToo)
{
    writeFile("data/2007-12-05.txt", "A");
    auto form = std::make_unique<Form1>(services());
    ASSERT_EQ(form->Form_Load(RunMode::Remind), LoadOutcome::ShowReminder);
    form->reminderWindow()->close();
    EXPECT_EQ(form->windows().count(), 0);
}

using About = WindowTest;

TEST_F(About, OpensOnTheMainWindowsCornerOnceOnly)
{
    const auto form = openForm();
    form->move(120, 80);
    click(form->Command9);
    frmAbout* about = form->aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->pos(), form->pos());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Plandeck"));
    EXPECT_EQ(about->lblTitle->text(), QStringLiteral("Plandeck 1.2"));
    EXPECT_TRUE(about->lblDescription->text().contains(QStringLiteral("Copyright")));
    EXPECT_EQ(about->size(), QSize(388, 182));
    EXPECT_TRUE(about->cmdOK->isDefault());
    EXPECT_FALSE(about->isModal());

    about->move(400, 300);
    form->move(60, 40);
    click(form->Command9);
    EXPECT_EQ(form->aboutWindow(), about) << "one about window";
    EXPECT_EQ(about->pos(), form->pos());
    EXPECT_EQ(form->windows().count(), 2);
}

TEST_F(About, EscEnterAndOkCloseIt)
{
    const auto form = openForm();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        click(form->Command9);
        frmAbout* about = form->aboutWindow();
        ASSERT_NE(about, nullptr);
        showAndActivate(*about);
        QTest::keyClick(about, key);
        EXPECT_FALSE(about->isVisible()) << key;
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(form->aboutWindow(), nullptr);
        EXPECT_EQ(form->windows().count(), 1);
    }
    click(form->Command9);
    click(form->aboutWindow()->cmdOK);
    EXPECT_EQ(form->windows().count(), 1);
}

TEST_F(About, ClosesWithTheMainWindow)
{
    auto form = openForm();
    click(form->Command9);
    QPointer<frmAbout> about = form->aboutWindow();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(about != nullptr && about->isVisible());
    EXPECT_EQ(form->windows().count(), 0);
}

} // namespace
