#pragma once

#include <QString>
#include <cstdint>

// Calendar knowledge of the planner: month lengths, weekdays and the mapping
// between the days of a month and the 35 cells of the month grid.
//
// Cells are numbered 1 to 35 row by row from the top left, 7 to a row;
// column 1 holds Sundays and column 7 Saturdays. Weekday numbers run from
// Sunday = 1 to Saturday = 7 whatever the desktop names as first day of week.
//
// Dates follow the proleptic Gregorian calendar for every 16-bit year, with
// astronomical numbering (year 0 is 1 BC), so even a year reached after
// thousands of month steps has a well-defined weekday.

namespace plandeck {

using Int16 = std::int16_t;

inline constexpr int kGridCells = 35;

// Weekday number of day 1 of the month (Sunday = 1).
Int16 GetFirstDay(Int16 month, Int16 year);

// 28 to 31; 0 for a month outside 1 to 12. Gregorian leap rule.
Int16 GetDaysInMonth(Int16 month, Int16 year);

// Cell in which the day is shown. A day that would fall into a sixth row
// wraps to the same column of row 1, which is always free in such a month.
Int16 GetIndex(Int16 day, Int16 month, Int16 year);

// Day of the month shown in cell Index, or 0 when the cell holds no day.
Int16 GetDay(Int16 Index, Int16 month, Int16 year);

// Weekday name ("Sunday" to "Saturday"; the locale's under a translation). A day past the end of
// the month counts on into the next month, as 29 February 1900 is 1 March 1900. Empty for a month
// outside 1 to 12.
QString GetWkd(Int16 day, Int16 month, Int16 year);

// Weekday number of the date with the same roll-over as GetWkd; 0 for a month
// outside 1 to 12.
int weekdayNumber(int day, int month, int year);

// Full month name in the current default locale (English in the C locale).
QString monthName(int month);

// "December-2007": the month caption of the main window.
QString monthCaption(int month, int year);

// "5-December-2007 Wednesday": a day's heading in reports and reminders.
QString dayHeading(int day, int month, int year);

} // namespace plandeck
