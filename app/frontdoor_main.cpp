#include "startup/autostart.h"
#include "startup/commandline.h"
#include "startup/frontdoor.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

using namespace plandeck;

namespace {

// `plandeck --autostart on|off`: the login reminder of this install.
int setLoginReminder(int argc, char* argv[], const ProgramPaths& paths)
{
    const bool on = argc >= 3 && std::strcmp(argv[2], "on") == 0;
    const std::optional<ReminderOptions> options = reminderOptions(argc, argv, 3);
    if (on ? !options : !(argc == 3 && std::strcmp(argv[2], "off") == 0)) {
        std::fprintf(stderr, "usage: plandeck --autostart on [--days N] [--notify]\n"
                             "       plandeck --autostart off\n");
        return 2;
    }
    // A login reminder from a build folder would run in the login's folder.
    if (on && (!paths.installed || paths.self.empty())) {
        std::fprintf(stderr, "plandeck: only an installed plandeck can start at login\n");
        return 1;
    }
    const std::string entry = autostartEntryPath();
    if (entry.empty()) {
        std::fprintf(stderr, "plandeck: neither XDG_CONFIG_HOME nor HOME is set\n");
        return 1;
    }
    if (on ? !writeAutostartEntry(entry, paths.self, *options) : !removeAutostartEntry(entry)) {
        std::fprintf(stderr, "plandeck: %s: %s\n", entry.c_str(), std::strerror(errno));
        return 1;
    }
    if (on) {
        std::printf("The reminder shows at every login: %s\n", entry.c_str());
    } else {
        std::printf("No reminder at login.\n");
    }
    return 0;
}

} // namespace

// `plandeck`: an installed one moves into the working folder first. Then it
// ends a reminder run with nothing to show at once, and hands every other run
// to the window program with the same arguments.
int main(int argc, char* argv[])
{
    if (const int answered = answerInformationArguments(argc, argv); answered >= 0) {
        return answered;
    }
    const ProgramPaths paths = programPaths();
    if (argc >= 2 && std::strcmp(argv[1], "--autostart") == 0) {
        return setLoginReminder(argc, argv, paths);
    }
    if (paths.installed) {
        const std::string folder = workingFolder();
        if (folder.empty()) {
            std::fprintf(stderr, "plandeck: set HOME or PLANDECK_HOME for the notes' folder\n");
            return 1;
        }
        if (char* here = ::getcwd(nullptr, 0); here != nullptr) {
            ::setenv(kStartFolderVariable, here, 1);
            std::free(here);
        }
        if (!enterWorkingFolder(folder)) {
            std::fprintf(stderr, "plandeck: cannot use %s: %s\n", folder.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    if (argc >= 2 && std::strcmp(argv[1], "remind") == 0) {
        const std::optional<ReminderOptions> options = reminderOptions(argc, argv, 2);
        if (!options) {
            std::fprintf(stderr, "usage: plandeck remind [--days N] [--notify]\n"
                                 "       (N from 1 to 366)\n");
            return 2;
        }
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        if (::localtime_r(&now, &local) != nullptr &&
            nothingToRemind(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
                            options->daysAhead)) {
            return 0;
        }
    }
    ::execvp(paths.windowProgram.c_str(), argv);
    std::fprintf(stderr, "plandeck: cannot start %s: %s\n", paths.windowProgram.c_str(),
                 std::strerror(errno));
    return 127;
}
