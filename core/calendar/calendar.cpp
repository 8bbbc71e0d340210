#include "core/calendar/calendar.h"

#include "core/i18n/language.h"

#include <QLocale>
#include <chrono>

namespace plandeck {

namespace {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

int weekdayNumber(int day, int month, int year)
{
    using namespace std::chrono;
    if (month < 1 || month > 12) {
        return 0;
    }
    // std::chrono turns an out-of-range day into the same roll-over the
    // planner's headings have always used: day 1 of the month plus (day - 1).
    const sys_days first{std::chrono::year{year} / std::chrono::month{unsigned(month)} / 1};
    const weekday wd{first + days{day - 1}};
    return int(wd.c_encoding()) + 1;
}

Int16 GetFirstDay(Int16 month, Int16 year)
{
    return Int16(weekdayNumber(1, month, year));
}

Int16 GetDaysInMonth(Int16 month, Int16 year)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

Int16 GetIndex(Int16 day, Int16 month, Int16 year)
{
    int index = GetFirstDay(month, year) + day - 1;
    if (index > kGridCells) {
        index -= kGridCells;
    }
    return Int16(index);
}

Int16 GetDay(Int16 Index, Int16 month, Int16 year)
{
    const Int16 days = GetDaysInMonth(month, year);
    for (Int16 d = 1; d <= days; ++d) {
        if (GetIndex(d, month, year) == Index) {
            return d;
        }
    }
    return 0;
}

QString GetWkd(Int16 day, Int16 month, Int16 year)
{
    return weekdayName(weekdayNumber(day, month, year));
}

QString monthName(int month)
{
    return QLocale().monthName(month, QLocale::LongFormat);
}

QString monthCaption(int month, int year)
{
    return monthName(month) + QLatin1Char('-') + QString::number(year);
}

QString dayHeading(int day, int month, int year)
{
    return QString::number(day) + QLatin1Char('-') + monthCaption(month, year) + QLatin1Char(' ') +
           GetWkd(Int16(day), Int16(month), Int16(year));
}

} // namespace plandeck
