#pragma once

#include <cerrno>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

// The name of a date's note file and what a look-up of it means, with no Qt,
// so that the start-up check of the reminder answers exactly as the windows
// do, before any Qt library is loaded.

namespace plandeck {

// Reminders look back to this year and no further.
inline constexpr int kFirstReminderYear = 1900;

// The folder of the note files, relative to the working folder.
inline constexpr char kDataFolder[] = "data";

// "data/2007-12-05.txt": the year as it is, month and day with one leading
// zero below 10 (so 0 gives "00").
inline std::string noteFileName(int day, int month, int year)
{
    // Appended rather than "0" + digits, which GCC 12 warns about wrongly
    // (-Wrestrict) in optimised builds.
    auto twoDigits = [](int value) {
        std::string digits(value < 10 ? 1 : 0, '0');
        digits += std::to_string(value);
        return digits;
    };
    return std::string(kDataFolder) + "/" + std::to_string(year) + "-" + twoDigits(month) + "-" +
           twoDigits(day) + ".txt";
}

struct NoteFileDate
{
    int year = 0;
    int month = 0;
    int day = 0;
};

// The date of a name noteFileName gives, with or without the folder
// ("2007-12-05.txt"); nothing for any other name, so that a kept or hidden
// file ("2007-12-05.outside-….txt", the older "2007-12-05.txt.outside-…",
// ".2007-12-05.txt.saving") is never a note. Years fit 16 bits, without
// leading zeros or plus sign.
inline std::optional<NoteFileDate> noteFileDate(std::string_view name)
{
    constexpr std::string_view kFolder = "data/";
    constexpr std::string_view kSuffix = ".txt";
    if (name.starts_with(kFolder)) {
        name.remove_prefix(kFolder.size());
    }
    if (!name.ends_with(kSuffix) || name.size() < kSuffix.size() + 7) {
        return {};
    }
    name.remove_suffix(kSuffix.size());
    const std::size_t n = name.size();
    const std::string_view yearDigits = name.substr(0, n - 6);
    auto number = [](std::string_view digits, int& value) {
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return !digits.empty() && digits[0] != '+' && error == std::errc() &&
               end == digits.data() + digits.size();
    };
    NoteFileDate date;
    if (name[n - 3] != '-' || name[n - 6] != '-' || yearDigits.starts_with('0') ||
        yearDigits.starts_with("-0") || !number(yearDigits, date.year) ||
        !number(name.substr(n - 5, 2), date.month) || !number(name.substr(n - 2), date.day) ||
        date.year < -32768 || date.year > 32767 || date.month < 1 || date.month > 12 ||
        date.day < 1) {
        return {};
    }
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = date.year % 4 == 0 && (date.year % 100 != 0 || date.year % 400 == 0);
    if (date.day > kDays[date.month - 1] + (date.month == 2 && leap ? 1 : 0)) {
        return {};
    }
    return date;
}

// What a look-up of a note's name found.
enum class NoteFileKind {
    Missing,    // no such name (or no data folder)
    Note,       // a regular file, or a link to one
    NotANote,   // a folder, FIFO, socket or device, or a link that leads nowhere
    Unreadable, // the look-up itself failed: the note may be there, unknown
};

// The one reading of stat() on a note's name (result, its errno, the mode
// found), for every reader of notes.
inline NoteFileKind noteFileKind(int statResult, int errorNumber, mode_t mode)
{
    if (statResult != 0) {
        switch (errorNumber) {
        case ENOENT:
        case ENOTDIR:
            return NoteFileKind::Missing;
        case ELOOP:
            return NoteFileKind::NotANote;
        default:
            return NoteFileKind::Unreadable;
        }
    }
    return S_ISREG(mode) ? NoteFileKind::Note : NoteFileKind::NotANote;
}

} // namespace plandeck
