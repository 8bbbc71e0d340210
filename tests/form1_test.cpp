#include "windowfixture.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <set>

using namespace plandeck;

namespace {

using MainWindow = WindowTest;

const QColor kToday(0xFF, 0x88, 0x88);
const QColor kWeekend(0x88, 0x88, 0xFF);
const QColor kWeekday(0x88, 0xFF, 0x88);

QColor backOf(QWidget* box)
{
    return box->palette().color(QPalette::Base);
}

std::set<int> hiddenCells(Form1& form)
{
    std::set<int> hidden;
    for (int i = 1; i <= kGridCells; ++i) {
        EXPECT_EQ(form.Text1[std::size_t(i)]->isVisible(),
                  form.Command4[std::size_t(i)]->isVisible())
            << "cell " << i;
        if (!form.Text1[std::size_t(i)]->isVisible()) {
            hidden.insert(i);
        }
    }
    return hidden;
}

TEST_F(MainWindow, HasTheDesignedControls)
{
    const auto form = openForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Plandeck 1.2"));
    EXPECT_EQ(form->size(), QSize(794, 568));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->Command1->text(), QStringLiteral("Next Month >"));
    EXPECT_EQ(form->Command2->text(), QStringLiteral("< Prev Month"));
    EXPECT_EQ(form->Command3->text(), QStringLiteral("Print"));
    EXPECT_EQ(form->Command7->text(), QStringLiteral("+"));
    EXPECT_EQ(form->Command8->text(), QStringLiteral("-"));
    EXPECT_EQ(form->Command8->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(form->Command9->text(), QStringLiteral("About"));
    EXPECT_EQ(form->Command10->text(), QStringLiteral("< Yr"));
    EXPECT_EQ(form->Command11->text(), QStringLiteral("Yr >"));
    EXPECT_EQ(form->Command3->pos(), QPoint(0, 0));
    EXPECT_EQ(form->Timer1->interval(), 65535);
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Command4[1]->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(form->Command4[1]->font().pointSizeF(), 8.25);
    EXPECT_EQ(form->Text1[1]->font().pointSizeF(), 9.0);
    EXPECT_TRUE(form->Label1->font().bold());
    EXPECT_EQ(form->Image1->pixmap().size(), QSize(115, 55));

    const QStringList headers = {"Sun", "Mon", "Tue", "Wed", "Thurs", "Fri", "Sat"};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(form->Label3[std::size_t(i)]->text(), headers[i - 1]);
        EXPECT_TRUE(form->Label3[std::size_t(i)]->isVisible());
    }
    EXPECT_FALSE(form->Label3[0]->isVisible());
    EXPECT_FALSE(form->Text1[0]->isVisible());
    // The templates and the spare day buttons never show, whatever the month.
    for (int step = 0; step < 14; ++step) {
        for (const std::size_t i : {0, 36, 37, 38, 39, 40, 41, 42}) {
            ASSERT_FALSE(form->Command4[i]->isVisible()) << i;
        }
        form->Command1_Click();
    }
}

TEST_F(MainWindow, LoadSetsTodaysFields)
{
    const auto form = openForm();
    EXPECT_EQ(form->EditIndex, 0);
    EXPECT_EQ(form->DayFontSize, 8);
    EXPECT_EQ(form->EditDay, 5);
    EXPECT_EQ(form->TodayDay, 5);
    EXPECT_EQ(form->y, 2007);
    EXPECT_EQ(form->TodayYear, 2007);
    EXPECT_EQ(form->M, 12);
    EXPECT_EQ(form->TodayMonth, QStringLiteral("12"));
    // No note box is being edited until the user picks one.
    EXPECT_EQ(qobject_cast<NoteBox*>(QApplication::focusWidget()), nullptr);

    today = QDate(2008, 1, 1);
    const auto january = openForm();
    EXPECT_EQ(january->TodayMonth, QStringLiteral("1"));
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
    EXPECT_EQ(hiddenCells(*form), c.hidden);
    EXPECT_EQ(form->Label1->text(), QString::fromLatin1(c.caption));
    EXPECT_EQ(form->Command4[std::size_t(c.firstDayCell)]->text(), QStringLiteral("1"));

    const TwipsRect cell = form->layoutInTwips().cells[std::size_t(c.pictureCell)];
    const TwipsRect picture = form->imageTwips();
    EXPECT_FLOAT_EQ(picture.Left, cell.Width / 2 + cell.Left - 1725.0f / 2);
    EXPECT_FLOAT_EQ(picture.Top, cell.Height / 2 + cell.Top - 825.0f / 2);
    EXPECT_EQ(form->Image1->pos(), QPoint(toPixels(picture.Left), toPixels(picture.Top)));
    EXPECT_TRUE(form->Image1->isVisible());

    for (int i = 1; i <= kGridCells; ++i) {
        const Int16 day = GetDay(Int16(i), form->M, form->y);
        if (day == 0) {
            continue;
        }
        EXPECT_EQ(form->Command4[std::size_t(i)]->text(), QString::number(day));
        const int column = (i - 1) % 7 + 1;
        const QColor expected = day == c.today.day()           ? kToday
                                : (column == 1 || column == 7) ? kWeekend
                                                               : kWeekday;
        EXPECT_EQ(backOf(form->Text1[std::size_t(i)]), expected) << "cell " << i;
    }
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
    writeFile("data/2008-01-31.txt", "end of january");
    writeFile("data/2007-12-27.txt", "line one\r\nline two");
    const auto form = openForm();
    EXPECT_EQ(boxOf(*form, 1)->toPlainText(), QStringLiteral("new year"));
    EXPECT_EQ(boxOf(*form, 31)->toPlainText(), QStringLiteral("end of january"));
    const int cellOfJanuary31 = GetIndex(31, 1, 2008);

    click(form->Command2);
    ASSERT_EQ(form->M, 12);
    // Cell 3 showed 1 January; December leaves it empty and hidden.
    EXPECT_FALSE(form->Text1[3]->isVisible());
    EXPECT_EQ(GetDay(Int16(cellOfJanuary31), 12, 2007), 27);
    EXPECT_EQ(form->Text1[std::size_t(cellOfJanuary31)]->toPlainText(),
              QStringLiteral("line one\nline two"));
    EXPECT_EQ(boxOf(*form, 28)->toPlainText(), QString());
}

TEST_F(MainWindow, WelcomeShowsOnceAndRemovesTheMarker)
{
    writeFile("ft.txt", "contents are never read");
    {
        const auto form = openForm();
    }
    ASSERT_EQ(welcomes.size(), 1);
    EXPECT_EQ(welcomes.first(),
              QStringLiteral("Plandeck|Fill in deposit maturity dates,\r\npremium payment "
                             "reminders,\r\nbirthdays, anniversaries,\r\nproject time "
                             "lines,\r\nyour daily work etc. in this\r\nsimplest and greatest "
                             "planner\r\nin the world."));
    EXPECT_FALSE(exists("ft.txt"));
    {
        const auto again = openForm();
    }
    EXPECT_EQ(welcomes.size(), 1);

    QDir().mkdir("ft.txt");
    {
        const auto folderNamedLikeTheMarker = openForm();
    }
    EXPECT_EQ(welcomes.size(), 1) << "only a regular file counts";
}

TEST_F(MainWindow, LayoutFollowsTheWindowSize)
{
    const auto form = openForm();
    form->resize(800, 600);
    QApplication::processEvents();
    const QRect frame = form->frameGeometry();
    LayoutInput in;
    in.W = float(frame.width()) * 15;
    in.H = float(frame.height()) * 15;
    const FormLayout expected = computeFormLayout(in);
    const FormLayout& actual = form->layoutInTwips();
    EXPECT_EQ(actual.cw, expected.cw);
    EXPECT_EQ(actual.rh, expected.rh);
    for (std::size_t k = 1; k <= 35; ++k) {
        const QRect r = toPixels(expected.cells[k]);
        EXPECT_EQ(form->Text1[k]->geometry(), r) << k;
        // Day buttons keep their size and sit in their box's top right corner.
        EXPECT_EQ(form->Command4[k]->size(), QSize(25, 17));
        EXPECT_EQ(form->Command4[k]->geometry().topRight(), form->Text1[k]->geometry().topRight());
    }
    EXPECT_EQ(form->Command9->x(), toPixels(expected.command9Left));
    EXPECT_EQ(form->Label1->x(), toPixels(expected.label1Left));

    // 70 pixels wider: the right-hand group moves 70, the centred group 35.
    const int aboutBefore = form->Command9->x();
    const int captionBefore = form->Label1->x();
    form->resize(870, 600);
    QApplication::processEvents();
    EXPECT_EQ(form->Command9->x() - aboutBefore, 70);
    EXPECT_EQ(form->Label1->x() - captionBefore, 35);
    EXPECT_EQ(form->Command3->pos(), QPoint(0, 0));
    EXPECT_EQ(form->M, 12) << "a resize never changes the month";
}

TEST_F(MainWindow, CannotShrinkBelowAUsableSize)
{
    const auto form = openForm();
    form->resize(100, 50);
    QApplication::processEvents();
    EXPECT_GE(float(form->frameGeometry().width()) * 15, 9035.0f);
    EXPECT_GE(float(form->frameGeometry().height()) * 15, 2180.0f);
    EXPECT_GE(form->Text1[1]->height(), form->Command4[1]->height());
}

// The welcome message waits in an event loop of its own, in which the
// timers keep running before the grid exists.
TEST_F(MainWindow, TimersDuringTheWelcomeMessageDoNoHarm)
{
    writeFile("ft.txt", "");
    Form1* loading = nullptr;
    Services s = services();
    s.showWelcome = [&](const QString&, const QString&) {
        today = today.addDays(1);
        loading->checkToday();
        loading->Timer1_Timer();
    };
    Form1 form(s);
    loading = &form;
    EXPECT_EQ(form.Form_Load(RunMode::Normal), LoadOutcome::ShowMain);
    EXPECT_FALSE(exists("data"));
}

TEST_F(MainWindow, TodayFollowsTheClockPastMidnight)
{
    const auto form = openForm();
    EXPECT_EQ(backOf(boxOf(*form, 5)), kToday);
    writeFile("data/2007-12-05.txt", "written elsewhere");
    today = QDate(2007, 12, 6);
    form->checkToday();
    EXPECT_EQ(form->TodayDay, 6);
    EXPECT_EQ(backOf(boxOf(*form, 5)), kWeekday);
    EXPECT_EQ(backOf(boxOf(*form, 6)), kToday);
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QString()) << "recolouring reloads no note";
    today = QDate(2008, 1, 1);
    form->checkToday();
    EXPECT_EQ(backOf(boxOf(*form, 6)), kWeekday);
    EXPECT_EQ(form->TodayMonth, QStringLiteral("1"));
}

} // namespace
