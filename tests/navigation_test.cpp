#include "windowfixture.h"

#include <QTest>

using namespace plandeck;

namespace {

using Navigation = WindowTest;

// A step by button or shortcut from today's month, with a note typed into
// the 5th just before: the note is saved under its own date, and the grid
// shows the new month.
struct Step
{
    const char* name;
    QDate start;
    const char* button;
    QKeyCombination keys;
    const char* caption;
    int days;
};

void PrintTo(const Step& row, std::ostream* out)
{
    *out << row.name;
}

class NavigationSteps : public WindowTest, public ::testing::WithParamInterface<Step>
{
};

TEST_P(NavigationSteps, SaveTheNoteThenShowTheMonth)
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
    EXPECT_EQ(readFile(QStringLiteral("data/%1-%2-05.txt")
                           .arg(s.start.year())
                           .arg(s.start.month(), 2, 10, QLatin1Char('0'))),
              QByteArray("typed"));
    EXPECT_EQ(entries("data").size(), 1) << "saved under no other date";
    EXPECT_EQ(caption(*form), QString::fromLatin1(s.caption));
    int shown = 0;
    for (int i = 1; i <= kGridCells; ++i) {
        shown += child<NoteBox>(*form, QStringLiteral("Text1(%1)").arg(i))->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(shown, s.days);
    EXPECT_NE(dayButtonOf(*form, s.days), nullptr);
}

const QKeyCombination kNone;

INSTANTIATE_TEST_SUITE_P(
    Buttons, NavigationSteps,
    ::testing::Values(
        Step{"NextMonthCarriesTheYear", {2007, 12, 5}, "Command1", kNone, "January-2008", 31},
        Step{"PrevMonthCarriesTheYear", {2008, 1, 5}, "Command2", kNone, "December-2007", 31},
        Step{"PrevMonthPast1900", {1900, 1, 5}, "Command2", kNone, "December-1899", 31},
        Step{"NextMonthPast2099", {2099, 12, 5}, "Command1", kNone, "January-2100", 31},
        Step{"YearStopsAt1900", {1900, 6, 5}, "Command10", kNone, "June-1900", 30},
        Step{"YearStopsAt2099", {2099, 6, 5}, "Command11", kNone, "June-2099", 30},
        Step{"YearStepsFreelyBelow1900", {1899, 6, 5}, "Command10", kNone, "June-1898", 30},
        Step{"YearStepsFreelyAbove2099", {2100, 6, 5}, "Command11", kNone, "June-2101", 30},
        Step{"LeapFebruaryToNextYear", {2008, 2, 5}, "Command11", kNone, "February-2009", 28},
        Step{"LeapFebruaryFromLastYear", {2007, 2, 5}, "Command11", kNone, "February-2008", 29},
        // The year is 16 bits wide; the buttons stop at its ends.
        Step{
            "NextMonthStopsAtTheLastYear", {32767, 12, 5}, "Command1", kNone, "December-32767", 31},
        Step{"PrevMonthStopsAtTheFirstYear",
             {-32768, 1, 5},
             "Command2",
             kNone,
             "January--32768",
             31},
        Step{"NextMonthShortcut",
             {2007, 12, 5},
             nullptr,
             Qt::CTRL | Qt::Key_PageDown,
             "January-2008",
             31},
        Step{"PrevMonthShortcut",
             {2007, 12, 5},
             nullptr,
             Qt::CTRL | Qt::Key_PageUp,
             "November-2007",
             30},
        Step{"NextYearShortcut",
             {2007, 12, 5},
             nullptr,
             Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown,
             "December-2008",
             31},
        Step{"PrevYearShortcut",
             {2007, 12, 5},
             nullptr,
             Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp,
             "December-2006",
             31}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Navigation, ZoomChangesEveryNoteBoxByOnePointWithinLimits)
{
    const auto form = openForm();
    QPushButton* plus = child(*form, QStringLiteral("Command7"));
    QPushButton* minus = child(*form, QStringLiteral("Command8"));
    for (int i = 0; i < 3; ++i) {
        click(plus);
    }
    for (int i = 1; i <= kGridCells; ++i) {
        EXPECT_EQ(child<NoteBox>(*form, QStringLiteral("Text1(%1)").arg(i))->font().pointSizeF(),
                  12.0)
            << "hidden ones too: " << i;
    }
    EXPECT_EQ(dayButtonOf(*form, 1)->font().pointSizeF(), 8.25) << "day buttons keep their size";
    click(minus);
    click(*form, QStringLiteral("Command1"));
    form->resize(820, 600);
    QApplication::processEvents();
    EXPECT_EQ(boxOf(*form, 1)->font().pointSizeF(), 11.0) << "kept through navigation and resize";
    EXPECT_FALSE(exists("data")) << "a font change is no edit";

    for (int i = 0; i < 20; ++i) {
        minus->click();
    }
    EXPECT_EQ(boxOf(*form, 1)->font().pointSizeF(), 1.0);
    for (int i = 0; i < 250; ++i) {
        plus->click();
    }
    EXPECT_EQ(boxOf(*form, 1)->font().pointSizeF(), 200.0);
}

} // namespace
