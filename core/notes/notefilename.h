#pragma once

#include <cstdio>
#include <string>

// The name of a date's note file, with no Qt, so that the start-up check of
// the reminder can use it before any Qt library is loaded.

namespace plandeck {

// Reminders look back to this year and no further.
inline constexpr int kFirstReminderYear = 1900;

// "data/2007-12-05.txt": the year as it is, month and day with one leading
// zero below 10 (so 0 gives "00").
inline std::string noteFileName(int day, int month, int year)
{
    auto twoDigits = [](int value) {
        return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
    };
    return "data/" + std::to_string(year) + "-" + twoDigits(month) + "-" + twoDigits(day) + ".txt";
}

} // namespace plandeck
