#include "windowfixture.h"

#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace plandeck;

namespace {

using Reminder = WindowTest;

// With nothing to show, the reminder ends at once and touches nothing; else
// the welcome comes once, then the digest instead of the month.
TEST_F(Reminder, NothingToShowOrWelcomeOnceThenTheDigestInsteadOfTheMonth)
{
    writeFile("data/2007-12-06.txt", "another day");
    writeFile("temp/report-XAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm", "closing steps must not run");
    EXPECT_EQ(Form1(services()).Form_Load(RunMode::Remind), LoadOutcome::Quit);
    EXPECT_EQ(topLevels(QStringLiteral("Form3")).size(), 0);
    EXPECT_TRUE(exists("temp/report-XAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm"));

    writeFile("ft.txt", "contents are never read");
    writeFile("data/2007-12-05.txt", "A");
    writeFile("data/2006-12-05.txt", "B");
    writeFile("data/2004-12-05.txt", "C");
    const auto form = openForm(RunMode::Remind);
    EXPECT_EQ(welcomes, QStringList(QStringLiteral(
                            "Plandeck|Fill in deposit maturity dates,\r\npremium payment "
                            "reminders,\r\nbirthdays, anniversaries,\r\nproject time "
                            "lines,\r\nyour daily work etc. in this\r\nsimplest and greatest "
                            "planner\r\nin the world.")));
    EXPECT_FALSE(exists("ft.txt"));
    QWidget* reminder = topLevel(QStringLiteral("Form3"));
    ASSERT_NE(reminder, nullptr);
    showAndActivate(*reminder);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(reminder->windowTitle(), QStringLiteral("5-December-2007 Wednesday"));
    auto* text = child<QPlainTextEdit>(*reminder, QStringLiteral("Text1"));
    EXPECT_EQ(text->toPlainText(),
              QStringLiteral("A\n\nLast year on this day:\nB\n\n5-December-2004 Sunday:\nC"));
    EXPECT_EQ(QApplication::focusWidget(), child(*reminder, QStringLiteral("Command1")));
    QTest::keyClicks(text, QStringLiteral("typed"));
    EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("typed"))) << "read-only";
    openForm();
    EXPECT_EQ(welcomes.size(), 1);
}

// A key pressed where the focus is on that control of the reminder.
void pressInReminder(const char* focus, Qt::Key key)
{
    QWidget* reminder = WindowTest::topLevel(QStringLiteral("Form3"));
    WindowTest::showAndActivate(*reminder);
    QWidget* control = WindowTest::child<QWidget>(*reminder, QLatin1String(focus));
    control->setFocus();
    QTest::keyClick(control, key);
}

// However the program ends, it ends once, closes every window and removes
// the reports of the session. In the reminder, Escape closes it and Enter
// presses the button that has the focus, else the default ("Bring up").
TEST_F(Reminder, EveryEndingEndsOnceAndRemovesTheReports)
{
    const std::tuple<const char*, RunMode, std::function<void(Form1&)>> endings[] = {
        {"main window with the about window open", RunMode::Normal,
         [](Form1& form) {
             click(form, QStringLiteral("Command9"));
             EXPECT_TRUE(form.close());
         }},
        {"reminder closed", RunMode::Remind,
         [](Form1&) { click(*topLevel(QStringLiteral("Form3")), QStringLiteral("Command2")); }},
        {"reminder closed by Escape", RunMode::Remind,
         [](Form1&) { pressInReminder("Text1", Qt::Key_Escape); }},
        {"Enter on Close closes the reminder", RunMode::Remind,
         [](Form1&) { pressInReminder("Command2", Qt::Key_Return); }},
        {"reminder brought up by its default button, then the main window closed", RunMode::Remind,
         [](Form1& form) {
             pressInReminder("Text1", Qt::Key_Enter);
             EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
             EXPECT_EQ(caption(form), QStringLiteral("December-2007"));
             EXPECT_TRUE(boxOf(form, 31)->isVisible());
             EXPECT_EQ(topLevel(QStringLiteral("Form3")), nullptr);
             EXPECT_TRUE(form.close());
         }},
    };
    writeFile("data/2006-12-05.txt", "B");
    for (const auto& [name, mode, end] : endings) {
        SCOPED_TRACE(name);
        // A report over a day old, left by a copy that did not close.
        writeFile("temp/report-OLDAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm", "old");
        QFile old("temp/report-OLDAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm");
        ASSERT_TRUE(old.open(QIODevice::ReadWrite) &&
                    old.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                    QFileDevice::FileModificationTime));
        old.close();
        const auto form = openForm(mode);
        QSignalSpy unloaded(form.get(), &Form1::unloaded);
        end(*form);
        EXPECT_EQ(unloaded.count(), 1);
        EXPECT_FALSE(exists("temp/report-OLDAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.htm"));
        EXPECT_EQ(topLevel(QStringLiteral("Form3")), nullptr);
        EXPECT_EQ(topLevel(QStringLiteral("frmAbout")), nullptr);
        form->close();
        EXPECT_EQ(unloaded.count(), 1) << "a second close does nothing more";
    }
}

using About = WindowTest;

// One about window, on the main window's corner, showing the version; Escape
// and OK close it.
TEST_F(About, OpensOnTheMainWindowsCornerOnceAndClosesByKeyOrButton)
{
    const auto form = openForm();
    form->move(123, 77);
    for (const bool byKey : {true, false}) {
        click(*form, QStringLiteral("Command9"));
        click(*form, QStringLiteral("Command9"));
        ASSERT_EQ(topLevels(QStringLiteral("frmAbout")).size(), 1);
        QWidget* about = topLevel(QStringLiteral("frmAbout"));
        EXPECT_EQ(about->pos(), QPoint(123, 77));
        EXPECT_EQ(child<QLabel>(*about, QStringLiteral("lblTitle"))->text(),
                  QStringLiteral("Plandeck 1.2"));
        showAndActivate(*about);
        byKey ? QTest::keyClick(about, Qt::Key_Escape) : click(*about, QStringLiteral("cmdOK"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(topLevels(QStringLiteral("frmAbout")).size(), 0) << byKey;
    }
}

} // namespace
