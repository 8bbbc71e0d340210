#include "core/calendar/calendar.h"

#include "qtprinters.h"
#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

using namespace plandeck;

namespace {

// Over two centuries around the planner's years the month grid agrees with
// QDate: month lengths, day 1 in its weekday's column, English weekday names,
// and every day found back from its cell. The worked months are checked in
// the window (form1_test.cpp).
TEST(Calendar, AgreesWithQDate)
{
    for (int year = 1890; year <= 2110; ++year) {
        for (Int16 month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const Int16 y = Int16(year);
            ASSERT_EQ(GetDaysInMonth(month, y), first.daysInMonth()) << year << "-" << month;
            ASSERT_EQ(GetIndex(1, month, y), first.dayOfWeek() % 7 + 1) << year << "-" << month;
            for (Int16 d = 1; d <= first.daysInMonth(); ++d) {
                ASSERT_EQ(GetDay(GetIndex(d, month, y), month, y), d) << year << "-" << month;
                ASSERT_EQ(GetWkd(d, month, y),
                          QLocale::c().dayName(first.addDays(d - 1).dayOfWeek()))
                    << year << "-" << month << "-" << d;
            }
        }
    }
}

// Run by CTest with LANG set (tests/CMakeLists.txt): the caption follows
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
