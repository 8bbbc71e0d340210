#include "windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace plandeck;

namespace {

class FindWindows : public WindowTest
{
protected:
    // Types into whatever has the keyboard focus.
    static void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static QWidget* activeWindow(const QString& name)
    {
        QWidget* window = topLevel(name);
        return window != nullptr && QTest::qWaitForWindowActive(window) ? window : nullptr;
    }
};

TEST_F(FindWindows, FindTypeEnterPutsTheCursorAtTheMatchAfterSavingTheEdit)
{
    // A note on each of 300 days around the one that holds the words.
    const QDate first(1960, 12, 1);
    for (int i = 0; i < 300; ++i) {
        const QDate date = first.addDays(i);
        writeFile(GetFileName(Int16(date.day()), Int16(date.month()), Int16(date.year())),
                  "breakfast\r\nlunch");
    }
    writeFile("data/1961-05-17.txt", "breakfast\r\nthe quokka visit");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("pending"));

    press(Qt::Key_F, Qt::ControlModifier);
    QWidget* find = activeWindow(QStringLiteral("FindNotes"));
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("FindText"));
    type(QStringLiteral("QUOKKA"));
    auto* count = child<QLabel>(*find, QStringLiteral("FindCount"));
    EXPECT_TRUE(QTest::qWaitFor([count] { return count->text() == QStringLiteral("1 note"); }))
        << count->text().toStdString();
    press(Qt::Key_Return);

    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(caption(*form), QStringLiteral("May-1961"));
    EXPECT_EQ(QApplication::focusWidget(), boxOf(*form, 17));
    EXPECT_EQ(boxOf(*form, 17)->textCursor().position(), 14);
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("pending"));
}

TEST_F(FindWindows, OneFindWindowKeepsItsPlaceAndText)
{
    const auto form = openForm();
    press(Qt::Key_F, Qt::ControlModifier);
    QWidget* find = activeWindow(QStringLiteral("FindNotes"));
    ASSERT_NE(find, nullptr);
    type(QStringLiteral("premium"));
    find->setGeometry(40, 50, 500, 300);
    press(Qt::Key_Escape);
    EXPECT_EQ(topLevel(QStringLiteral("FindNotes")), nullptr);

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    press(Qt::Key_F, Qt::ControlModifier);
    press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(activeWindow(QStringLiteral("FindNotes")), find);
    EXPECT_EQ(topLevels(QStringLiteral("FindNotes")).size(), 1);
    EXPECT_EQ(find->geometry(), QRect(40, 50, 500, 300));
    auto* field = child<QLineEdit>(*find, QStringLiteral("FindText"));
    EXPECT_EQ(field->selectedText(), QStringLiteral("premium"));
}

TEST_F(FindWindows, GoToDateRefusesNonDatesThenShowsTheDayToTypeInto)
{
    const auto form = openForm();
    press(Qt::Key_G, Qt::ControlModifier);
    QWidget* goTo = activeWindow(QStringLiteral("GoToDate"));
    ASSERT_NE(goTo, nullptr);
    type(QStringLiteral("2031-02-29"));
    press(Qt::Key_Return);
    EXPECT_TRUE(child<QLabel>(*goTo, QStringLiteral("GoToDateMessage"))->isVisible());
    EXPECT_EQ(caption(*form), QStringLiteral("December-2007"));

    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("2031-07-04"));
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(topLevel(QStringLiteral("GoToDate")), nullptr);
    EXPECT_EQ(caption(*form), QStringLiteral("July-2031"));
    type(QStringLiteral("fireworks"));
    tick(*form);
    EXPECT_EQ(readFile("data/2031-07-04.txt"), QByteArray("fireworks"));
}

} // namespace
