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
    for (QDate first(1890, 1, 1); first.year() <= 2110; first = first.addMonths(1)) {
        SCOPED_TRACE(first.toString(Qt::ISODate).toStdString());
        const Int16 m = Int16(first.month()), y = Int16(first.year());
        ASSERT_EQ(GetDaysInMonth(m, y), first.daysInMonth());
        ASSERT_EQ(GetIndex(1, m, y), first.dayOfWeek() % 7 + 1);
        for (Int16 d = 1; d <= first.daysInMonth(); ++d) {
            ASSERT_EQ(GetDay(GetIndex(d, m, y), m, y), d) << d;
            ASSERT_EQ(GetWkd(d, m, y), QLocale::c().dayName(first.addDays(d - 1).dayOfWeek())) << d;
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
