#include "startup/autostart.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace plandeck {

namespace {

// A string value may hold any character but a few control characters, and
// its backslashes are escapes.
std::string desktopString(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

bool isPlain(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-_./+%").find(c) != std::string_view::npos;
}

} // namespace

std::string autostartEntryPath()
{
    std::string config;
    // The XDG rules ignore a relative XDG_CONFIG_HOME.
    if (const char* value = std::getenv("XDG_CONFIG_HOME"); value != nullptr && *value == '/') {
        config = value;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        config = std::string(home) + "/.config";
    } else {
        return {};
    }
    return config + "/autostart/" PLANDECK_APP_ID "-remind.desktop";
}

std::string desktopExecArgument(std::string_view program)
{
    std::string argument;
    bool quote = false;
    for (const char c : program) {
        quote = quote || !isPlain(c);
        argument += c;
        if (c == '%') {
            argument += '%';
        }
    }
    if (quote) {
        std::string quoted = "\"";
        for (const char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                quoted += '\\';
            }
            quoted += c;
        }
        argument = quoted + '"';
    }
    return desktopString(argument);
}

std::string autostartEntry(std::string_view program, const ReminderOptions& options)
{
    std::string remind = " remind";
    if (options.daysAhead != 0) {
        remind += " --days " + std::to_string(options.daysAhead);
    }
    if (options.notify) {
        remind += " --notify";
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Plandeck Reminder\n"
           "Comment=Shows the notes kept for today, and for this day in earlier years\n"
           "TryExec=" +
           desktopString(program) +
           "\n"
           "Exec=" +
           desktopExecArgument(program) + remind +
           "\n"
           "Icon=" PLANDECK_APP_ID "\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n"
           "X-GNOME-Autostart-Delay=10\n";
}

bool writeAutostartEntry(const std::string& path, std::string_view program,
                         const ReminderOptions& options)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) {
        errno = error.value();
        return false;
    }
    errno = 0;
    std::ofstream entry(path, std::ios::binary | std::ios::trunc);
    entry << autostartEntry(program, options);
    entry.close();
    if (!entry) {
        errno = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

bool removeAutostartEntry(const std::string& path)
{
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

} // namespace plandeck
