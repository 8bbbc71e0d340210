#include "windowfixture.h"

#include <QRegularExpression>
#include <algorithm>
#include <set>

using namespace plandeck;

namespace {

using MainWindow = WindowTest;

const QColor kToday(0xFF, 0x88, 0x88);
const QColor kWeekend(0x88, 0x88, 0xFF);
const QColor kWeekday(0x88, 0xFF, 0x88);

QColor backOf(const QWidget* box)
{
    return box->palette().color(QPalette::Base);
}

TEST_F(MainWindow, ShowsDaysHidesTheRestPlacesThePictureAndFollowsToday)
{
    // Today; the hidden cells; the cells of the picture and of the 1st; the caption.
    const std::tuple<QDate, std::set<int>, int, int, const char*> months[] = {
        {{2007, 12, 5}, {3, 4, 5, 6}, 3, 7, "December-2007"},
        {{2015, 2, 10}, {29, 30, 31, 32, 33, 34, 35}, 29, 1, "February-2015"},
        {{2000, 2, 29}, {1, 2, 32, 33, 34, 35}, 1, 3, "February-2000"},
        // Today's colour goes before the weekend's.
        {{2007, 12, 8}, {3, 4, 5, 6}, 3, 7, "December-2007"},
    };
    for (const auto& [shownToday, hiddenCells, pictureCell, firstDayCell, shownCaption] : months) {
        today = shownToday;
        const auto form = openForm();
        EXPECT_EQ(caption(*form), QString::fromLatin1(shownCaption));
        std::set<int> hidden;
        for (int i = 1; i <= kGridCells; ++i) {
            const QPushButton* button = child(*form, QStringLiteral("Command4(%1)").arg(i));
            EXPECT_EQ(cell(*form, i)->isVisible(), button->isVisible()) << "cell " << i;
            if (!button->isVisible()) {
                hidden.insert(i);
                continue;
            }
            // Cells run from Sunday to Saturday; a sixth row wraps to the first.
            const int day = button->text().toInt();
            EXPECT_EQ(day, (i - firstDayCell + 35) % 35 + 1) << "cell " << i;
            const bool weekend = i % 7 == 1 || i % 7 == 0;
            EXPECT_EQ(backOf(cell(*form, i)),
                      day == shownToday.day() ? kToday : (weekend ? kWeekend : kWeekday))
                << shownCaption << " cell " << i;
        }
        EXPECT_EQ(hidden, hiddenCells);
        const auto* picture = child<QLabel>(*form, QStringLiteral("Image1"));
        EXPECT_TRUE(picture->isVisible() &&
                    cell(*form, pictureCell)->geometry().contains(picture->geometry().center()));
    }

    // Today follows the clock past midnight.
    today = QDate(2007, 12, 5);
    const auto form = openForm();
    writeFile("data/2007-12-05.txt", "written elsewhere");
    today = QDate(2007, 12, 6);
    tick(*form);
    EXPECT_EQ(backOf(boxOf(*form, 5)), kWeekday);
    EXPECT_EQ(backOf(boxOf(*form, 6)), kToday);
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QString()) << "recolouring reloads no note";
    today = QDate(2008, 1, 1);
    tick(*form);
    EXPECT_EQ(backOf(boxOf(*form, 6)), kWeekday);
}

// A step by button from a month, with a note typed into the 5th
// just before: the note is saved under its own date, and the grid shows the
// new month.
TEST_F(MainWindow, SavesTheNoteThenShowsTheMonth)
{
    // From the month of this date; the button; the month shown, its days.
    const std::tuple<QDate, const char*, const char*, int> steps[] = {
        {{2008, 1, 5}, "Command2", "December-2007", 31},
        // The year buttons keep to 1900 to 2099.
        {{1900, 6, 5}, "Command10", "June-1900", 30},
        {{2099, 6, 5}, "Command11", "June-2099", 30},
        {{2007, 2, 5}, "Command11", "February-2008", 29},
        // The year is 16 bits wide; the month buttons stop at its ends.
        {{32767, 12, 5}, "Command1", "December-32767", 31},
        {{-32768, 1, 5}, "Command2", "January--32768", 31},
    };
    for (const auto& [start, how, shownCaption, days] : steps) {
        SCOPED_TRACE(shownCaption);
        QDir(QStringLiteral("data")).removeRecursively();
        today = start;
        const auto form = openForm();
        typeInto(*form, 5, QStringLiteral("typed"));
        click(*form, QString::fromLatin1(how));
        EXPECT_EQ(readFile(start.toString(QStringLiteral("'data/'yyyy-MM-'05.txt'"))), "typed");
        EXPECT_EQ(caption(*form), QString::fromLatin1(shownCaption));
        EXPECT_EQ(std::ranges::count_if(form->findChildren<NoteBox*>(), &QWidget::isVisible), days);
    }
}

QStringList reports()
{
    return QDir(QStringLiteral("temp")).entryList({QStringLiteral("report-*.htm")}, QDir::Files);
}

// By click or by Ctrl+P: the note just typed is saved first and is in the
// report, and every print writes a new file. A report that cannot be opened
// or written is reported, and the program goes on.
TEST_F(MainWindow, WritesTheMonthWithTheNoteJustTypedAndOpensIt)
{
    writeFile("data/2007-12-01.txt", "first");
    const auto form = openForm();
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey);
        typeInto(*form, 5, byKey ? QStringLiteral("\"c\"") : QStringLiteral("a<b & "));
        byKey ? QTest::keyClick(boxOf(*form, 5), Qt::Key_P, Qt::ControlModifier)
              : click(*form, QStringLiteral("Command3"));
        ASSERT_EQ(opened.size(), byKey ? 2 : 1);
        EXPECT_TRUE(opened.last().toLocalFile().contains(
            QRegularExpression(QStringLiteral("/temp/report-[A-Z]{32}\\.htm$"))));
        EXPECT_EQ(reports().size(), opened.size());
    }
    EXPECT_EQ(readFile(opened.last().toLocalFile()),
              QByteArray("<html><head></head><body>"
                         "<hr><b>1-December-2007 Saturday</b><br>first"
                         "<hr><b>5-December-2007 Wednesday</b><br>a&lt;b &amp; &quot;c&quot;"
                         "</body></html>"));
    EXPECT_TRUE(warnings.isEmpty());

    openSucceeds = false;
    click(*form, QStringLiteral("Command3"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.last().contains(QStringLiteral("could not be opened")));
    EXPECT_EQ(reports().size(), 3) << "the written report stays for the user";
    QDir(QStringLiteral("temp")).removeRecursively();
    writeFile("temp", "a file, not a folder");
    click(*form, QStringLiteral("Command3"));
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings.last().contains(QStringLiteral("not written")));
    EXPECT_EQ(opened.size(), 3) << "nothing to open";
    click(*form, QStringLiteral("Command1"));
    EXPECT_EQ(caption(*form), QStringLiteral("January-2008")) << "still running";
}

} // namespace
