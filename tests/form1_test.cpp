#include "windowfixture.h"

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

} // namespace
