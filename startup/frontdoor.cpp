#include "startup/frontdoor.h"

#include "core/notes/notefilename.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace plandeck {

namespace {

bool isRegularFile(const char* path)
{
    struct stat st
    {
    };
    return ::stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

bool isExecutable(const std::string& path)
{
    return ::access(path.c_str(), X_OK) == 0;
}

const char* environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

} // namespace

std::optional<ReminderOptions> reminderOptions(int argc, const char* const* argv, int first)
{
    ReminderOptions options;
    for (int i = first; i < argc; ++i) {
        if (std::strcmp(argv[i], "--notify") == 0 && !options.notify) {
            options.notify = true;
            continue;
        }
        if (std::strcmp(argv[i], "--days") != 0 || options.daysAhead != 0 || i + 1 == argc) {
            return std::nullopt;
        }
        const std::string_view number(argv[++i]);
        int days = 0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), days);
        if (error != std::errc() || end != number.data() + number.size() || days < 1 ||
            days > 366) {
            return std::nullopt;
        }
        options.daysAhead = days;
    }
    return options;
}

RunMode runModeFromArguments(int argc, const char* const* argv)
{
    return argc >= 2 && std::strcmp(argv[1], "remind") == 0 && reminderOptions(argc, argv, 2)
               ? RunMode::Remind
               : RunMode::Normal;
}

namespace {

// True when the note of that date has no content: no file, or an empty one.
bool noNoteAt(int day, int month, int year)
{
    struct stat st
    {
    };
    const int result = ::stat(noteFileName(day, month, year).c_str(), &st);
    // A note that cannot be looked up may hold something: the window
    // program says why.
    switch (noteFileKind(result, result != 0 ? errno : 0, st.st_mode)) {
    case NoteFileKind::Note:
        return st.st_size == 0;
    case NoteFileKind::Unreadable:
        return false;
    case NoteFileKind::Missing:
    case NoteFileKind::NotANote:
        break;
    }
    return true;
}

} // namespace

bool nothingToRemind(int day, int month, int year, int daysAhead)
{
    if (isRegularFile("ft.txt")) {
        return false;
    }
    for (int k = year; k >= kFirstReminderYear; --k) {
        if (!noNoteAt(day, month, k)) {
            return false;
        }
    }
    const std::chrono::sys_days today{std::chrono::year{year} / month / day};
    for (int k = 1; k <= daysAhead; ++k) {
        const std::chrono::year_month_day date{today + std::chrono::days{k}};
        if (!noNoteAt(int(unsigned(date.day())), int(unsigned(date.month())), int(date.year()))) {
            return false;
        }
    }
    return true;
}

ProgramPaths programPaths()
{
    ProgramPaths paths{{}, "plandeck-gui", true};
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        return paths;
    }
    paths.self.assign(self, std::size_t(length));
    const std::string folder = paths.self.substr(0, paths.self.rfind('/'));
    if (isExecutable(folder + "/plandeck-gui")) {
        paths.windowProgram = folder + "/plandeck-gui";
        paths.installed = false;
    } else if (const std::string libexec =
                   folder + "/../" PLANDECK_LIBEXEC_FOLDER "/plandeck/plandeck-gui";
               isExecutable(libexec)) {
        paths.windowProgram = libexec;
    }
    return paths;
}

std::string workingFolder()
{
    if (const char* home = environment("PLANDECK_HOME")) {
        return home;
    }
    // The XDG rules ignore a relative XDG_DATA_HOME.
    if (const char* data = environment("XDG_DATA_HOME"); data != nullptr && *data == '/') {
        return std::string(data) + "/plandeck";
    }
    if (const char* home = environment("HOME")) {
        return std::string(home) + "/.local/share/plandeck";
    }
    return {};
}

bool enterWorkingFolder(const std::string& folder)
{
    struct stat st
    {
    };
    const bool firstStart = ::stat(folder.c_str(), &st) != 0 && errno == ENOENT;
    if (firstStart) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            errno = error.value();
            return false;
        }
    }
    if (::chdir(folder.c_str()) != 0) {
        return false;
    }
    for (const char* subfolder : {"data", "temp"}) {
        if (::mkdir(subfolder, 0777) != 0 && errno != EEXIST) {
            return false;
        }
    }
    if (firstStart) {
        const int marker = ::open("ft.txt", O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (marker < 0) {
            return false;
        }
        ::close(marker);
    }
    return true;
}

} // namespace plandeck
