#include "windowfixture.h"

#include <QLabel>
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

struct GridCase
{
    const char* name;
    QDate today;
    std::set<int> hidden;
    int pictureCell;
    int firstDayCell;
    const char* caption;
};

void PrintTo(const GridCase& row, std::ostream* out)
{
    *out << row.name;
}

class MonthGrid : public WindowTest, public ::testing::WithParamInterface<GridCase>
{
};

TEST_P(MonthGrid, ShowsDaysHidesTheRestAndPlacesThePicture)
{
    const GridCase& c = GetParam();
    today = c.today;
    const auto form = openForm();
    EXPECT_EQ(caption(*form), QString::fromLatin1(c.caption));
    std::set<int> hidden;
    for (int i = 1; i <= kGridCells; ++i) {
        const auto* box = child<NoteBox>(*form, QStringLiteral("Text1(%1)").arg(i));
        const auto* button = child(*form, QStringLiteral("Command4(%1)").arg(i));
        EXPECT_EQ(box->isVisible(), button->isVisible()) << "cell " << i;
        if (!box->isVisible()) {
            hidden.insert(i);
            continue;
        }
        // Cells run from Sunday to Saturday, day 1 in the cell of its weekday.
        const int day = button->text().toInt();
        EXPECT_EQ(day, (i - c.firstDayCell + 35) % 35 + 1) << "cell " << i;
        const int column = (i - 1) % 7;
        const QColor expected = day == c.today.day()           ? kToday
                                : (column == 0 || column == 6) ? kWeekend
                                                               : kWeekday;
        EXPECT_EQ(backOf(box), expected) << "cell " << i;
    }
    EXPECT_EQ(hidden, c.hidden);
    const auto* picture = child<QLabel>(*form, QStringLiteral("Image1"));
    EXPECT_TRUE(picture->isVisible());
    EXPECT_TRUE(child<NoteBox>(*form, QStringLiteral("Text1(%1)").arg(c.pictureCell))
                    ->geometry()
                    .contains(picture->geometry().center()));
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthGrid,
    ::testing::Values(
        GridCase{"December2007", {2007, 12, 5}, {3, 4, 5, 6}, 3, 7, "December-2007"},
        GridCase{
            "February2015", {2015, 2, 10}, {29, 30, 31, 32, 33, 34, 35}, 29, 1, "February-2015"},
        GridCase{"February2000", {2000, 2, 29}, {1, 2, 32, 33, 34, 35}, 1, 3, "February-2000"},
        // Today on a Saturday is still marked as today.
        GridCase{"TodayOnASaturday", {2007, 12, 8}, {3, 4, 5, 6}, 3, 7, "December-2007"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainWindow, ShowsStoredNotesAndNeverAnotherMonthsNote)
{
    today = QDate(2008, 1, 10);
    writeFile("data/2008-01-01.txt", "new year");
    writeFile("data/2007-12-27.txt", "line one\r\nline two");
    const auto form = openForm();
    EXPECT_EQ(boxOf(*form, 1)->toPlainText(), QStringLiteral("new year"));
    // 31 January and 27 December share a cell.
    NoteBox* shared = boxOf(*form, 31);
    click(*form, QStringLiteral("Command2"));
    ASSERT_EQ(caption(*form), QStringLiteral("December-2007"));
    EXPECT_EQ(boxOf(*form, 27), shared);
    EXPECT_EQ(shared->toPlainText(), QStringLiteral("line one\nline two"));
    EXPECT_EQ(boxOf(*form, 28)->toPlainText(), QString());
}

TEST_F(MainWindow, WelcomeShowsOnceAndRemovesTheMarker)
{
    writeFile("ft.txt", "contents are never read");
    openForm();
    ASSERT_EQ(welcomes.size(), 1);
    EXPECT_EQ(welcomes.first(),
              QStringLiteral("Plandeck|Fill in deposit maturity dates,\r\npremium payment "
                             "reminders,\r\nbirthdays, anniversaries,\r\nproject time "
                             "lines,\r\nyour daily work etc. in this\r\nsimplest and greatest "
                             "planner\r\nin the world."));
    EXPECT_FALSE(exists("ft.txt"));
    openForm();
    QDir().mkdir("ft.txt");
    openForm();
    EXPECT_EQ(welcomes.size(), 1) << "shown once; only a regular file counts";
}

TEST_F(MainWindow, CannotShrinkBelowAUsableSize)
{
    const auto form = openForm();
    form->resize(100, 50);
    QApplication::processEvents();
    EXPECT_GE(float(form->frameGeometry().width()) * 15, 9035.0f);
    EXPECT_GE(float(form->frameGeometry().height()) * 15, 2180.0f);
    EXPECT_GE(boxOf(*form, 1)->height(), dayButtonOf(*form, 1)->height());
}

TEST_F(MainWindow, TodayFollowsTheClockPastMidnight)
{
    const auto form = openForm();
    EXPECT_EQ(backOf(boxOf(*form, 5)), kToday);
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

} // namespace
