#include "core/notes/posixfile.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QTreeView>
#include <atomic>
#include <string_view>
#include <sys/stat.h>

using namespace plandeck;

namespace {

using FindWindows = WindowTest;

// Keys go to whatever has the keyboard focus, as a user's do.
void type(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}
void press(QKeyCombination key)
{
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}
QWidget* activeWindow(const QString& name)
{
    QWidget* window = WindowTest::topLevel(name);
    return window != nullptr && QTest::qWaitForWindowActive(window) ? window : nullptr;
}

// Counts the look-ups of February 1961's notes while it lives.
struct NoteLookUps
{
    NoteLookUps()
    {
        systemCalls().lstat = [](const char* path, struct stat* st) {
            count += std::string_view(path).find("1961-02-") != std::string_view::npos ? 1 : 0;
            return ::lstat(path, st);
        };
    }
    ~NoteLookUps() { systemCalls() = realSystemCalls(); }
    Q_DISABLE_COPY_MOVE(NoteLookUps)
    static inline std::atomic<int> count = 0;
};

// Ctrl+G: a text that is no date gets a message and moves nothing; 2031-07-04
// shows that day, ready for typing. Then among 300 notes, the one holding the
// words: Ctrl+F, type, Enter saves the edit, shows that month and puts the
// cursor at the match; Ctrl+F brings the one Find window back with its text
// selected.
TEST_F(FindWindows, GoToAndFindShowTheDayAfterSavingTheEdit)
{
    const auto form = openForm();
    press(Qt::CTRL | Qt::Key_G);
    QWidget* goTo = activeWindow(QStringLiteral("GoToDate"));
    ASSERT_NE(goTo, nullptr);
    type(QStringLiteral("2031-02-29"));
    press(Qt::Key_Return);
    EXPECT_TRUE(child<QLabel>(*goTo, QStringLiteral("GoToDateMessage"))->isVisible());
    EXPECT_EQ(caption(*form), QStringLiteral("December-2007"));
    press(Qt::CTRL | Qt::Key_A);
    type(QStringLiteral("2031-07-04"));
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(topLevel(QStringLiteral("GoToDate")), nullptr);
    type(QStringLiteral("fireworks"));
    tick(*form);
    EXPECT_EQ(readFile("data/2031-07-04.txt"), QByteArray("fireworks"));

    for (QDate date(1960, 12, 1); date < QDate(1961, 9, 27); date = date.addDays(1)) {
        writeFile(GetFileName(Int16(date.day()), Int16(date.month()), Int16(date.year())),
                  "breakfast\r\nlunch");
    }
    writeFile("data/1961-05-17.txt", "breakfast\r\nthe quokka visit");
    type(QStringLiteral(", pending"));
    press(Qt::CTRL | Qt::Key_F);
    QWidget* find = activeWindow(QStringLiteral("FindNotes"));
    ASSERT_NE(find, nullptr);
    type(QStringLiteral("QUOKKA"));
    auto* count = child<QLabel>(*find, QStringLiteral("FindCount"));
    EXPECT_TRUE(QTest::qWaitFor([count] { return count->text() == QStringLiteral("1 note"); }));
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(caption(*form), QStringLiteral("May-1961"));
    EXPECT_EQ(QApplication::focusWidget(), boxOf(*form, 17));
    EXPECT_EQ(boxOf(*form, 17)->textCursor().position(), 14);
    EXPECT_TRUE(dayButtonOf(*form, 17)->font().bold()) << "the day being edited";
    EXPECT_EQ(readFile("data/2031-07-04.txt"), QByteArray("fireworks, pending"));
    // A note written outside shows in the inactive Find by the folder's
    // notification alone.
    writeFile("data/1960-12-01.txt", "lunch, then breakfast and a quokka");
    EXPECT_TRUE(QTest::qWaitFor([count] { return count->text() == QStringLiteral("2 notes"); }));
    press(Qt::CTRL | Qt::Key_F);
    ASSERT_EQ(activeWindow(QStringLiteral("FindNotes")), find);
    EXPECT_EQ(topLevels(QStringLiteral("FindNotes")).size(), 1);
    EXPECT_EQ(child<QLineEdit>(*find, QStringLiteral("FindText"))->selectedText(),
              QStringLiteral("QUOKKA"));

    // Rows beyond the first ones get their line from the search thread when
    // the list shows them: the oldest of 300, at the end, jumps to its match.
    type(QStringLiteral("breakfast"));
    EXPECT_TRUE(QTest::qWaitFor([count] { return count->text() == QStringLiteral("300 notes"); }));
    auto* list = child<QTreeView>(*find, QStringLiteral("FindResults"));
    const QModelIndex last = list->model()->index(299, 1);
    list->setCurrentIndex(last);
    EXPECT_TRUE(QTest::qWaitFor([&] { return last.data().toString().startsWith("lunch, then"); }));
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(caption(*form), QStringLiteral("December-1960"));
    EXPECT_EQ(boxOf(*form, 1)->textCursor().position(), 12);
    press(Qt::CTRL | Qt::Key_F);
    ASSERT_EQ(activeWindow(QStringLiteral("FindNotes")), find);
    // Up and Down in the text move through the list; Enter shows the row.
    type(QStringLiteral("lunch"));
    EXPECT_TRUE(QTest::qWaitFor([count] { return count->text() == QStringLiteral("299 notes"); }));
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
        press(key);
    }
    const int row = child<QTreeView>(*find, QStringLiteral("FindResults"))->currentIndex().row();
    EXPECT_GE(row, 1);
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), boxOf(*form, 26 - row));
}

// Find learns of changed notes from the main window's watch of data/, so
// coming back to it looks at no note. Without notifications, or once the
// watch lost track (data/ moved away and back), an activation compares every
// file, and a note changed outside shows then.
TEST_F(FindWindows, ChangesComeFromTheWindowsWatchOrAreLookedFor)
{
    for (const bool watching : {true, false}) {
        SCOPED_TRACE(watching);
        if (!watching) {
            qputenv("PLANDECK_TEST_NO_WATCH", "1");
        }
        for (Int16 day = 1; day <= 28; ++day) {
            writeFile(GetFileName(day, 2, 1961), "lunch");
        }
        const NoteLookUps looks;
        const auto form = openForm();
        press(Qt::CTRL | Qt::Key_F);
        QWidget* find = activeWindow(QStringLiteral("FindNotes"));
        ASSERT_NE(find, nullptr);
        type(QStringLiteral("lunch"));
        auto* count = child<QLabel>(*find, QStringLiteral("FindCount"));
        auto counts = [count](const char* text, int timeout = 5000) {
            return QTest::qWaitFor([&] { return count->text() == QLatin1String(text); }, timeout);
        };
        EXPECT_TRUE(counts("28 notes"));
        writeFile(GetFileName(1, 2, 1961), "dinner");
        EXPECT_EQ(counts("27 notes", 1000), watching);
        // Back to Find: the number of notes looked at.
        auto reactivate = [&] {
            press(Qt::Key_Escape);
            showAndActivate(*form);
            NoteLookUps::count = 0;
            press(Qt::CTRL | Qt::Key_F);
            EXPECT_EQ(activeWindow(QStringLiteral("FindNotes")), find);
            EXPECT_TRUE(counts("27 notes"));
            QTest::qWait(200);
            return NoteLookUps::count.load();
        };
        EXPECT_EQ(reactivate() == 0, watching);
        ASSERT_TRUE(QDir().rename("data", "moved") && QDir().rename("moved", "data"));
        QTest::qWait(300);
        EXPECT_GT(reactivate(), 0);
    }
    qunsetenv("PLANDECK_TEST_NO_WATCH");
}

} // namespace
