#include "core/calendar/calendar.h"

#include "qtprinters.h"
#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>
#include <set>

using namespace plandeck;

namespace {

struct MonthCase
{
    const char* name;
    Int16 month;
    Int16 year;
    Int16 firstDay;
    Int16 days;
    std::set<int> emptyCells;
};

void PrintTo(const MonthCase& row, std::ostream* out)
{
    *out << row.name;
}

class GridMapping : public ::testing::TestWithParam<MonthCase>
{
};

TEST_P(GridMapping, PlacesEveryDayAndLeavesTheRestEmpty)
{
    const MonthCase& c = GetParam();
    EXPECT_EQ(GetFirstDay(c.month, c.year), c.firstDay);
    EXPECT_EQ(GetDaysInMonth(c.month, c.year), c.days);
    EXPECT_EQ(GetIndex(1, c.month, c.year), c.firstDay);

    std::set<int> empty;
    for (Int16 cell = 1; cell <= kGridCells; ++cell) {
        if (GetDay(cell, c.month, c.year) == 0) {
            empty.insert(cell);
        }
    }
    EXPECT_EQ(empty, c.emptyCells);
    for (Int16 d = 1; d <= c.days; ++d) {
        const Int16 cell = GetIndex(d, c.month, c.year);
        ASSERT_GE(cell, 1);
        ASSERT_LE(cell, kGridCells);
        EXPECT_EQ(GetDay(cell, c.month, c.year), d) << "day " << d;
        // Every day lands in the column of its weekday.
        EXPECT_EQ((cell - 1) % 7 + 1, weekdayNumber(d, c.month, c.year)) << "day " << d;
    }
}

INSTANTIATE_TEST_SUITE_P(Months, GridMapping,
                         ::testing::Values(
                             // The 1st a Saturday: days 30 and 31 wrap to cells 1 and 2.
                             MonthCase{"December2007", 12, 2007, 7, 31, {3, 4, 5, 6}},
                             // The 1st a Friday: day 31 wraps to cell 1.
                             MonthCase{"August2025", 8, 2025, 6, 31, {2, 3, 4, 5}},
                             MonthCase{"June2024", 6, 2024, 7, 30, {2, 3, 4, 5, 6}},
                             MonthCase{
                                 "February2015", 2, 2015, 1, 28, {29, 30, 31, 32, 33, 34, 35}},
                             MonthCase{"February2000", 2, 2000, 3, 29, {1, 2, 32, 33, 34, 35}},
                             MonthCase{"February1900", 2, 1900, 5, 28, {1, 2, 3, 4, 33, 34, 35}},
                             MonthCase{"January2026", 1, 2026, 5, 31, {1, 2, 3, 4}},
                             MonthCase{"March2026", 3, 2026, 1, 31, {32, 33, 34, 35}}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Calendar, DecemberTwentyNinthStaysInCellThirtyFive)
{
    EXPECT_EQ(GetIndex(29, 12, 2007), 35);
    EXPECT_EQ(GetDay(1, 12, 2007), 30);
    EXPECT_EQ(GetDay(2, 12, 2007), 31);
    EXPECT_EQ(GetDay(3, 12, 2007), 0);
    EXPECT_EQ(GetDay(7, 12, 2007), 1);
}

TEST(Calendar, LeapYearsFollowTheGregorianRule)
{
    const std::pair<Int16, Int16> februaries[] = {{2007, 28}, {2008, 29}, {2000, 29}, {1900, 28},
                                                  {2100, 28}, {2400, 29}, {1600, 29}, {2024, 29}};
    for (const auto& [year, days] : februaries) {
        EXPECT_EQ(GetDaysInMonth(2, year), days) << year;
        EXPECT_EQ(GetDaysInMonth(2, year), QDate(year, 2, 1).daysInMonth()) << year;
    }
    const Int16 lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (Int16 m = 1; m <= 12; ++m) {
        EXPECT_EQ(GetDaysInMonth(m, 2023), lengths[m - 1]) << m;
    }
}

TEST(Calendar, MonthsOutsideTheYearHaveNoDays)
{
    for (const Int16 month : {Int16(0), Int16(13), Int16(-1), Int16(32767)}) {
        EXPECT_EQ(GetDaysInMonth(month, 2007), 0);
        EXPECT_EQ(GetDay(1, month, 2007), 0);
        EXPECT_EQ(GetWkd(1, month, 2007), QString());
    }
    EXPECT_EQ(GetDay(0, 12, 2007), 0);
    EXPECT_EQ(GetDay(36, 12, 2007), 0);
    EXPECT_EQ(GetDay(-5, 12, 2007), 0);
}

TEST(Calendar, WeekdayNamesRollOverPastTheMonthEnd)
{
    EXPECT_EQ(GetWkd(5, 12, 2007), QStringLiteral("Wednesday"));
    EXPECT_EQ(GetWkd(1, 12, 2007), QStringLiteral("Saturday"));
    EXPECT_EQ(GetWkd(2, 12, 2007), QStringLiteral("Sunday"));
    // No 29 February in 1900 or 2100: the name is that of 1 March.
    EXPECT_EQ(GetWkd(29, 2, 1900), QStringLiteral("Thursday"));
    EXPECT_EQ(GetWkd(29, 2, 2100), GetWkd(1, 3, 2100));
    EXPECT_EQ(GetWkd(32, 12, 2007), GetWkd(1, 1, 2008));
    EXPECT_EQ(GetWkd(0, 1, 2008), GetWkd(31, 12, 2007));
}

// Over two centuries around the planner's years: first weekdays agree with
// QDate, and every day of every month finds its way back from its cell.
TEST(Calendar, AgreesWithQDateAndMapsBackOverTwoCenturies)
{
    for (int year = 1890; year <= 2110; ++year) {
        for (Int16 month = 1; month <= 12; ++month) {
            const Int16 y = Int16(year);
            ASSERT_EQ(GetFirstDay(month, y), QDate(year, month, 1).dayOfWeek() % 7 + 1)
                << year << "-" << month;
            for (Int16 d = 1; d <= GetDaysInMonth(month, y); ++d) {
                ASSERT_EQ(GetDay(GetIndex(d, month, y), month, y), d)
                    << year << "-" << month << "-" << d;
            }
        }
    }
}

TEST(Calendar, EveryYearOfTheSixteenBitRangeWorks)
{
    // Years reached only after thousands of month steps, year 0 and the
    // ends of the range among them, still have a sane grid.
    for (int year = -32768; year <= 32767; year += 97) {
        for (Int16 month = 1; month <= 12; ++month) {
            const Int16 first = GetFirstDay(month, Int16(year));
            ASSERT_GE(first, 1);
            ASSERT_LE(first, 7);
            ASSERT_EQ(GetDay(GetIndex(GetDaysInMonth(month, Int16(year)), month, Int16(year)),
                             month, Int16(year)),
                      GetDaysInMonth(month, Int16(year)));
        }
    }
    for (const Int16 year : {Int16(-32768), Int16(-1), Int16(0), Int16(1), Int16(32767)}) {
        EXPECT_FALSE(GetWkd(1, 1, year).isEmpty()) << year;
        EXPECT_FALSE(GetWkd(31, 12, year).isEmpty()) << year;
    }
    // Proleptic Gregorian: 1 January of year 1 was a Monday.
    EXPECT_EQ(GetWkd(1, 1, 1), QStringLiteral("Monday"));
}

TEST(Calendar, CaptionsUseTheLocaleMonthName)
{
    EXPECT_EQ(monthCaption(12, 2007), QStringLiteral("December-2007"));
    EXPECT_EQ(monthCaption(1, 1900), QStringLiteral("January-1900"));
    EXPECT_EQ(dayHeading(5, 12, 2007), QStringLiteral("5-December-2007 Wednesday"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(monthCaption(12, 2007), QStringLiteral("Dezember-2007"));
    EXPECT_EQ(dayHeading(3, 3, 2008), QStringLiteral("3-M\u00e4rz-2008 Monday"));
    QLocale::setDefault(QLocale::c());
}

} // namespace

namespace {

// Run by CTest with LANG set (see tests/CMakeLists.txt): the captions follow
// the locale the user's environment names.
TEST(SystemLocale, CaptionFollowsTheEnvironment)
{
    const QString expected = qEnvironmentVariable("PLANDECK_EXPECTED_CAPTION");
    if (expected.isEmpty()) {
        GTEST_SKIP() << "run with PLANDECK_EXPECTED_CAPTION and LANG set";
    }
    EXPECT_EQ(monthCaption(12, 2007), expected);
}

} // namespace
