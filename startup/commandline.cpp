#include "startup/commandline.h"

#include "core/version.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace plandeck {

namespace {

// One row per command, so that a new command is one more line.
constexpr struct
{
    const char* command;
    const char* does;
} kCommands[] = {
    {"plandeck", "open the month planner"},
    {"plandeck remind", "show today's notes of earlier years, if any"},
    {"plandeck remind --days N", "also the notes of the next N days (1 to 366)"},
    {"plandeck remind --notify", "as a desktop notification (with or without --days)"},
    {"plandeck --autostart on|off", "show that reminder at every login, or stop it"},
    {"", "(after on, --days N and --notify as for remind)"},
    {"plandeck export --from YYYY-MM-DD --to YYYY-MM-DD", ""},
    {"", "--format ics|md|daily-md [--journal] PATH"},
    {"", "write those days' notes as a calendar, one"},
    {"", "Markdown file or a folder of daily notes"},
    {"plandeck import [--dry-run] PATH", ""},
    {"", "add a calendar file's or a daily-notes folder's"},
    {"", "text at the end of each day's note"},
    {"plandeck --help", "print this help"},
    {"plandeck --version", "print the name and version"},
};

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// A platform plugin that opens windows on an X11 or Wayland display.
bool needsDisplay(std::string_view platform)
{
    return platform.empty() || platform == "xcb" || platform.starts_with("wayland");
}

} // namespace

const char* usageText()
{
    static const std::string text = [] {
        std::string usage = "Usage:\n";
        for (const auto& row : kCommands) {
            std::string line = std::string("  ") + row.command;
            // A long command has its words on the lines below it.
            if (*row.does != '\0') {
                line.resize(std::max<std::size_t>(line.size() + 2, 32), ' ');
            }
            usage += line + row.does + '\n';
        }
        usage += "\nNotes are kept as data/YYYY-MM-DD.txt in the working folder.\n";
        return usage;
    }();
    return text.c_str();
}

int answerInformationArguments(int argc, const char* const* argv)
{
    if (argc != 2) {
        return -1;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        std::fputs(usageText(), stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", kProgramName, kProgramVersion);
        return 0;
    }
    return -1;
}

bool windowCanOpen(int argc, const char* const* argv)
{
    std::string_view platforms;
    if (const char* chosen = std::getenv("QT_QPA_PLATFORM")) {
        platforms = chosen;
    }
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            platforms = argv[i + 1];
        }
    }
    // "wayland;xcb" tries each in turn; a plugin's options follow a colon.
    bool x11 = platforms.empty(), wayland = platforms.empty();
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        std::string_view platform = platforms.substr(0, end);
        platform = platform.substr(0, platform.find(':'));
        if (!needsDisplay(platform)) {
            return true;
        }
        (platform == "xcb" ? x11 : wayland) = true;
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
    }
    return (x11 && isSet("DISPLAY")) || (wayland && isSet("WAYLAND_DISPLAY"));
}

const char* noDisplayMessage()
{
    return "plandeck: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are not set)\n";
}

} // namespace plandeck
