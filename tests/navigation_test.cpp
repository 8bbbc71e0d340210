#include "windowfixture.h"

#include <QKeySequence>
#include <QTest>

using namespace plandeck;

namespace {

using Navigation = WindowTest;

// A step by button or shortcut from a month, with a note typed into the 5th
// just before: the note is saved under its own date, and the grid shows the
// new month.
TEST_F(Navigation, SavesTheNoteThenShowsTheMonth)
{
    const struct
    {
        QDate start;
        const char* how; // a button name, or else the keys
        const char* caption;
        int days;
    } steps[] = {
        {{2007, 12, 5}, "Command1", "January-2008", 31},
        {{2008, 1, 5}, "Command2", "December-2007", 31},
        {{1900, 6, 5}, "Command10", "June-1900", 30},
        {{2099, 6, 5}, "Command11", "June-2099", 30},
        {{1899, 6, 5}, "Command10", "June-1898", 30},
        {{2008, 2, 5}, "Command11", "February-2009", 28},
        {{2007, 2, 5}, "Command11", "February-2008", 29},
        // The year is 16 bits wide; the month buttons stop at its ends.
        {{32767, 12, 5}, "Command1", "December-32767", 31},
        {{-32768, 1, 5}, "Command2", "January--32768", 31},
        {{2007, 12, 5}, "Ctrl+PgDown", "January-2008", 31},
        {{2007, 12, 5}, "Ctrl+Shift+PgUp", "December-2006", 31},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.caption);
        QDir(QStringLiteral("data")).removeRecursively();
        today = s.start;
        const auto form = openForm();
        typeInto(*form, 5, QStringLiteral("typed"));
        if (QByteArray(s.how).startsWith("Command")) {
            click(*form, QString::fromLatin1(s.how));
        } else {
            const QKeyCombination keys = QKeySequence(QString::fromLatin1(s.how))[0];
            QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        }
        EXPECT_EQ(readFile(s.start.toString(QStringLiteral("'data/'yyyy-MM-'05.txt'"))), "typed");
        EXPECT_EQ(caption(*form), QString::fromLatin1(s.caption));
        int shown = 0;
        for (int i = 1; i <= kGridCells; ++i) {
            shown += cell(*form, i)->isVisible() ? 1 : 0;
        }
        EXPECT_EQ(shown, s.days);
    }
}

using Zoom = WindowTest;

TEST_F(Zoom, ChangesEveryNoteBoxByOnePointWithinLimits)
{
    const auto form = openForm();
    const std::pair<int, qreal> steps[] = {{+3, 12}, {-1, 11}, {-20, 1}, {+250, 200}};
    for (const auto& [clicks, points] : steps) {
        for (int i = 0; i < std::abs(clicks); ++i) {
            child(*form, clicks > 0 ? QStringLiteral("Command7") : QStringLiteral("Command8"))
                ->click();
        }
        for (int i = 1; i <= kGridCells; ++i) {
            ASSERT_EQ(cell(*form, i)->font().pointSizeF(), points) << "hidden ones too: " << i;
        }
        click(*form, QStringLiteral("Command1"));
    }
    EXPECT_EQ(dayButtonOf(*form, 1)->font().pointSizeF(), 8.25) << "day buttons keep their size";
    EXPECT_FALSE(exists("data")) << "a font change is no edit";
}

} // namespace
