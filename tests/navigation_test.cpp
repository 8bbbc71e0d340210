#include "windowfixture.h"

#include <QKeySequence>
#include <algorithm>

using namespace plandeck;

namespace {

using Navigation = WindowTest;

// A step by button or shortcut from a month, with a note typed into the 5th
// just before: the note is saved under its own date, and the grid shows the
// new month.
TEST_F(Navigation, SavesTheNoteThenShowsTheMonth)
{
    // From the month of this date; a button name, or else the keys; the month shown, its days.
    const std::tuple<QDate, const char*, const char*, int> steps[] = {
        {{2008, 1, 5}, "Command2", "December-2007", 31},
        // The year buttons keep to 1900 to 2099.
        {{1900, 6, 5}, "Command10", "June-1900", 30},
        {{2099, 6, 5}, "Command11", "June-2099", 30},
        {{2007, 2, 5}, "Command11", "February-2008", 29},
        // The year is 16 bits wide; the month buttons stop at its ends.
        {{32767, 12, 5}, "Command1", "December-32767", 31},
        {{-32768, 1, 5}, "Command2", "January--32768", 31},
        {{2007, 12, 5}, "Ctrl+PgDown", "January-2008", 31},
    };
    for (const auto& [start, how, shownCaption, days] : steps) {
        SCOPED_TRACE(shownCaption);
        QDir(QStringLiteral("data")).removeRecursively();
        today = start;
        const auto form = openForm();
        typeInto(*form, 5, QStringLiteral("typed"));
        if (QByteArray(how).startsWith("Command")) {
            click(*form, QString::fromLatin1(how));
        } else {
            const QKeyCombination keys = QKeySequence(QString::fromLatin1(how))[0];
            QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        }
        EXPECT_EQ(readFile(start.toString(QStringLiteral("'data/'yyyy-MM-'05.txt'"))), "typed");
        EXPECT_EQ(caption(*form), QString::fromLatin1(shownCaption));
        EXPECT_EQ(std::ranges::count_if(form->findChildren<NoteBox*>(), &QWidget::isVisible), days);
    }
}

} // namespace
