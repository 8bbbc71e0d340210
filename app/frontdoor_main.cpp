#include "startup/frontdoor.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

using namespace plandeck;

// `plandeck`: ends a reminder run with nothing to show at once, and hands
// every other run to the window program with the same arguments.
int main(int argc, char* argv[])
{
    if (runModeFromArguments(argc, argv) == RunMode::Remind) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        if (::localtime_r(&now, &local) != nullptr &&
            nothingToRemind(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900)) {
            return 0;
        }
    }
    const char* program = windowProgramPath();
    ::execvp(program, argv);
    std::fprintf(stderr, "plandeck: cannot start %s: %s\n", program, std::strerror(errno));
    return 127;
}
