#include "windowfixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <sys/stat.h>

using namespace plandeck;

namespace {

using Reminder = WindowTest;

TEST_F(Reminder, ShowsTheDigestAfterTheWelcomeInsteadOfTheMonth)
{
    writeFile("ft.txt", "");
    writeFile("data/2007-12-05.txt", "A");
    writeFile("data/2006-12-05.txt", "B");
    writeFile("data/2004-12-05.txt", "C");
    const auto form = openForm(RunMode::Remind);
    EXPECT_EQ(welcomes.size(), 1);
    QWidget* reminder = topLevel(QStringLiteral("Form3"));
    ASSERT_NE(reminder, nullptr);
    showAndActivate(*reminder);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(reminder->windowTitle(), QStringLiteral("5-December-2007 Wednesday"));
    auto* text = child<QPlainTextEdit>(*reminder, QStringLiteral("Text1"));
    EXPECT_EQ(text->toPlainText(),
              QStringLiteral("A\n\nLast year on this day:\nB\n\n5-December-2004 Sunday:\nC"));
    EXPECT_EQ(QApplication::focusWidget(), child(*reminder, QStringLiteral("Command1")));
    // Read-only but selectable.
    QTest::keyClicks(text, QStringLiteral("typed"));
    EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("typed")));
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
}

// However the program ends, it ends once, and removes the reports of the
// session (except where it cannot).
struct Ending
{
    const char* name;
    RunMode mode;
    void (*end)(Form1& form);
    int unloads;
    bool reportsRemoved;
};

void PrintTo(const Ending& row, std::ostream* out)
{
    *out << row.name;
}

class Endings : public WindowTest, public ::testing::WithParamInterface<Ending>
{
};

TEST_P(Endings, EndOnceAndRemoveTheReports)
{
    const Ending& e = GetParam();
    writeFile("data/2006-12-05.txt", "B");
    writeFile("temp/report-OLD.htm", "old");
    const auto form = openForm(e.mode);
    QSignalSpy unloaded(form.get(), &Form1::unloaded);
    e.end(*form);
    EXPECT_EQ(unloaded.count(), e.unloads);
    EXPECT_EQ(exists("temp/report-OLD.htm"), !e.reportsRemoved);
    EXPECT_EQ(topLevel(QStringLiteral("Form3")), nullptr);
    EXPECT_EQ(topLevel(QStringLiteral("frmAbout")), nullptr);
    // A second close of either window does nothing more.
    form->close();
    EXPECT_EQ(unloaded.count(), e.unloads);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Endings,
    ::testing::Values(Ending{"MainWindowWithAbout", RunMode::Normal,
                             [](Form1& form) {
                                 WindowTest::click(form, QStringLiteral("Command9"));
                                 EXPECT_TRUE(form.close());
                             },
                             1, true},
                      Ending{"ReminderClose", RunMode::Remind,
                             [](Form1&) {
                                 WindowTest::click(*WindowTest::topLevel(QStringLiteral("Form3")),
                                                   QStringLiteral("Command2"));
                             },
                             1, true},
                      Ending{"ReminderBringUpThenMainWindow", RunMode::Remind,
                             [](Form1& form) {
                                 WindowTest::click(*WindowTest::topLevel(QStringLiteral("Form3")),
                                                   QStringLiteral("Command1"));
                                 EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
                                 EXPECT_EQ(WindowTest::caption(form),
                                           QStringLiteral("December-2007"));
                                 EXPECT_TRUE(WindowTest::boxOf(form, 31)->isVisible());
                                 EXPECT_EQ(WindowTest::topLevel(QStringLiteral("Form3")), nullptr);
                                 EXPECT_TRUE(form.close());
                             },
                             1, true},
                      Ending{"UndeletableReports", RunMode::Normal,
                             [](Form1& form) {
                                 ASSERT_EQ(::chmod("temp", 0500), 0);
                                 {
                                     const WithoutFilePowers unprivileged;
                                     EXPECT_TRUE(form.close());
                                 }
                                 ::chmod("temp", 0700);
                             },
                             1, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Reminder, NothingToShowEndsAtOnceAndTouchesNothing)
{
    writeFile("data/2007-12-06.txt", "another day");
    writeFile("temp/report-X.htm", "closing steps must not run");
    Form1 form(services());
    EXPECT_EQ(form.Form_Load(RunMode::Remind), LoadOutcome::Quit);
    EXPECT_EQ(topLevel(QStringLiteral("Form3")), nullptr);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(exists("temp/report-X.htm"));
}

using About = WindowTest;

TEST_F(About, OpensOnTheMainWindowsCornerOnceOnly)
{
    const auto form = openForm();
    form->move(120, 80);
    click(*form, QStringLiteral("Command9"));
    QWidget* about = topLevel(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->pos(), form->pos());
    EXPECT_EQ(child<QLabel>(*about, QStringLiteral("lblTitle"))->text(),
              QStringLiteral("Plandeck 1.2"));
    EXPECT_FALSE(about->isModal());
    about->move(400, 300);
    form->move(60, 40);
    click(*form, QStringLiteral("Command9"));
    EXPECT_EQ(countTopLevels(QStringLiteral("frmAbout")), 1);
    EXPECT_EQ(about->pos(), form->pos());
}

TEST_F(About, EscEnterAndOkCloseIt)
{
    const auto form = openForm();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_unknown}) {
        click(*form, QStringLiteral("Command9"));
        QWidget* about = topLevel(QStringLiteral("frmAbout"));
        ASSERT_NE(about, nullptr);
        showAndActivate(*about);
        if (key == Qt::Key_unknown) {
            click(*about, QStringLiteral("cmdOK"));
        } else {
            QTest::keyClick(about, key);
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(countTopLevels(QStringLiteral("frmAbout")), 0) << key;
    }
}

} // namespace
