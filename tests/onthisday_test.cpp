#include "windowfixture.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTreeWidget>

using namespace plandeck;

namespace {

using OnThisDay = WindowTest;

// The window's rows once read, as "date|years|text", after checking the
// title.
QStringList rowsFor(const QDate& day)
{
    QWidget* window = WindowTest::topLevel(QStringLiteral("OnThisDay"));
    auto* status = WindowTest::child<QLabel>(*window, QStringLiteral("OnThisDayStatus"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status->text().startsWith(QLatin1String("Read")); }));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("On This Day: ") + QLocale().toString(day, QLocale::LongFormat));
    auto* list = WindowTest::child<QTreeWidget>(*window, QStringLiteral("OnThisDayRows"));
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << item->data(0, Qt::UserRole).toDate().toString(Qt::ISODate) + '|' + item->text(1) +
                    '|' + item->text(2);
    }
    return rows;
}

// Ctrl+Y lists the other years' notes of the cursor's day, newest first; the
// window follows the cursor, 29 February lists the leap years only, and
// Enter on a row shows its day with the cursor in its note.
TEST_F(OnThisDay, ListsTheOtherYearsFollowsTheCursorAndShowsTheChosenDay)
{
    writeFile("data/2010-12-05.txt", "later\r\n\r\n second\r\nthird\r\nfourth");
    writeFile("data/2007-12-05.txt", "this year");
    writeFile("data/2006-12-05.txt", "B");
    writeFile("data/1990-12-05.txt", "old");
    writeFile("data/2000-12-06.txt", "six");
    writeFile("data/2012-02-29.txt", "leap later");
    writeFile("data/2007-02-29.txt", "no such day");
    writeFile("data/2004-02-29.txt", "leap");
    const auto form = openForm();
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(rowsFor(today),
              QStringList({"2010-12-05|3 years after|later / second / third",
                           "2006-12-05|1 year before|B", "1990-12-05|17 years before|old"}));

    showAndActivate(*form);
    click(boxOf(*form, 6));
    EXPECT_EQ(rowsFor(QDate(2007, 12, 6)), QStringList("2000-12-06|7 years before|six"));

    QWidget* window = topLevel(QStringLiteral("OnThisDay"));
    showAndActivate(*window);
    QTest::keyClick(child<QTreeWidget>(*window, QStringLiteral("OnThisDayRows")), Qt::Key_Return);
    EXPECT_EQ(caption(*form), QStringLiteral("December-2000"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), boxOf(*form, 6));
    EXPECT_EQ(rowsFor(QDate(2000, 12, 6)), QStringList());

    form->showDate(QDate(2008, 2, 29));
    EXPECT_EQ(rowsFor(QDate(2008, 2, 29)), QStringList({"2012-02-29|4 years after|leap later",
                                                        "2004-02-29|4 years before|leap"}));
}

using Notification = WindowTest;

// `remind --notify` through the session's notification service: its action
// opens the planner at today, a dismissal ends the program; without a
// service the reminder window shows. Runs on a private bus (ctest's
// notification test), never on the desktop's.
TEST_F(Notification, SentThroughTheServiceElseTheReminderWindow)
{
    if (qEnvironmentVariableIsEmpty("PLANDECK_PRIVATE_BUS")) {
        GTEST_SKIP() << "needs the private bus of the ctest notification test";
    }
    writeFile("data/2006-12-05.txt", "B line\r\nmore");
    writeFile("data/2007-12-07.txt", "ahead");
    for (const QString user : {"", "press", "dismiss"}) {
        SCOPED_TRACE(user.toStdString());
        QProcess service; // ended by its destructor
        if (!user.isEmpty()) {
            service.start(QStringLiteral(PLANDECK_NOTIFICATION_SERVICE), {user});
            ASSERT_TRUE(service.waitForReadyRead()) << "the service is on the bus";
        }
        Form1 form(services());
        QSignalSpy unloaded(&form, &Form1::unloaded);
        ASSERT_EQ(form.Form_Load(RunMode::Remind, {2, true}), LoadOutcome::ShowReminder);
        QWidget* reminder = topLevel(QStringLiteral("Form3"));
        ASSERT_EQ(reminder != nullptr, user.isEmpty());
        if (reminder != nullptr) {
            EXPECT_TRUE(child<QPlainTextEdit>(*reminder, QStringLiteral("Text1"))
                            ->toPlainText()
                            .endsWith(QLatin1String("7-December-2007 Friday:\nahead")));
            continue;
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.isVisible() || unloaded.count() == 1; }));
        EXPECT_EQ(service.readAllStandardOutput(),
                  "ready\n5-December-2007 Wednesday: 2 notes|2006: B line\n"
                  "7-December-2007 Friday: ahead|open,Open Plandeck\n");
        EXPECT_EQ(unloaded.count(), user == QLatin1String("dismiss") ? 1 : 0);
        if (user == QLatin1String("press")) {
            EXPECT_EQ(caption(form), QStringLiteral("December-2007"));
            EXPECT_EQ(QApplication::focusWidget(), boxOf(form, 5));
        }
    }
}

} // namespace
