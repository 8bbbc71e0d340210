#include "windowfixture.h"

#include <QTest>

using namespace plandeck;

namespace {

// A step by button or shortcut from today's month, with a note typed into
// the 5th just before: the note is saved under its own date, and the grid
// shows the new month.
struct Step
{
    const char* name;
    QDate start;
    const char* button; // or else the keys
    QKeyCombination keys;
    const char* caption;
    int days;
};

using Navigation = WindowRows<Step>;

TEST_P(Navigation, SavesTheNoteThenShowsTheMonth)
{
    const Step& s = GetParam();
    today = s.start;
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("typed"));
    if (s.button != nullptr) {
        click(*form, QString::fromLatin1(s.button));
    } else {
        QTest::keyClick(QApplication::focusWidget(), s.keys.key(), s.keys.keyboardModifiers());
    }
    EXPECT_EQ(entries("data"), QStringList(s.start.toString(QStringLiteral("yyyy-MM-'05.txt'"))));
    EXPECT_EQ(readFile(QStringLiteral("data/") + entries("data").value(0)), QByteArray("typed"));
    EXPECT_EQ(caption(*form), QString::fromLatin1(s.caption));
    int shown = 0;
    for (int i = 1; i <= kGridCells; ++i) {
        shown += cell(*form, i)->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(shown, s.days);
    EXPECT_NE(dayButtonOf(*form, s.days), nullptr);
}

const QKeyCombination kClick;

INSTANTIATE_TEST_SUITE_P(
    Steps, Navigation,
    ::testing::Values(
        Step{"NextMonthCarriesTheYear", {2007, 12, 5}, "Command1", kClick, "January-2008", 31},
        Step{"PrevMonthCarriesTheYear", {2008, 1, 5}, "Command2", kClick, "December-2007", 31},
        Step{"PrevMonthPast1900", {1900, 1, 5}, "Command2", kClick, "December-1899", 31},
        Step{"NextMonthPast2099", {2099, 12, 5}, "Command1", kClick, "January-2100", 31},
        Step{"YearStopsAt1900", {1900, 6, 5}, "Command10", kClick, "June-1900", 30},
        Step{"YearStopsAt2099", {2099, 6, 5}, "Command11", kClick, "June-2099", 30},
        Step{"YearStepsFreelyBelow1900", {1899, 6, 5}, "Command10", kClick, "June-1898", 30},
        Step{"YearStepsFreelyAbove2099", {2100, 6, 5}, "Command11", kClick, "June-2101", 30},
        Step{"LeapFebruaryToNextYear", {2008, 2, 5}, "Command11", kClick, "February-2009", 28},
        Step{"FebruaryToLeapYear", {2007, 2, 5}, "Command11", kClick, "February-2008", 29},
        // The year is 16 bits wide; the month buttons stop at its ends.
        Step{"StopsAtTheLastYear", {32767, 12, 5}, "Command1", kClick, "December-32767", 31},
        Step{"StopsAtTheFirstYear", {-32768, 1, 5}, "Command2", kClick, "January--32768", 31},
        Step{"NextMonthKey",
             {2007, 12, 5},
             nullptr,
             Qt::CTRL | Qt::Key_PageDown,
             "January-2008",
             31},
        Step{
            "PrevMonthKey", {2007, 12, 5}, nullptr, Qt::CTRL | Qt::Key_PageUp, "November-2007", 30},
        Step{"NextYearKey",
             {2007, 12, 5},
             nullptr,
             Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown,
             "December-2008",
             31},
        Step{"PrevYearKey",
             {2007, 12, 5},
             nullptr,
             Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp,
             "December-2006",
             31}),
    RowName());

using Zoom = WindowTest;

TEST_F(Zoom, ChangesEveryNoteBoxByOnePointWithinLimits)
{
    const auto form = openForm();
    QPushButton* plus = child(*form, QStringLiteral("Command7"));
    QPushButton* minus = child(*form, QStringLiteral("Command8"));
    const std::pair<int, qreal> steps[] = {{+3, 12}, {-1, 11}, {-20, 1}, {+250, 200}};
    for (const auto& [clicks, points] : steps) {
        for (int i = 0; i < std::abs(clicks); ++i) {
            (clicks > 0 ? plus : minus)->click();
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
