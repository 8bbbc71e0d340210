#include "startup/frontdoor.h"

#include "core/notes/notefilename.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
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

} // namespace

RunMode runModeFromArguments(int argc, const char* const* argv)
{
    return argc == 2 && std::strcmp(argv[1], "remind") == 0 ? RunMode::Remind : RunMode::Normal;
}

bool nothingToRemind(int day, int month, int year)
{
    if (isRegularFile("ft.txt")) {
        return false;
    }
    for (int k = year; k >= kFirstReminderYear; --k) {
        struct stat st
        {
        };
        if (::stat(noteFileName(day, month, k).c_str(), &st) != 0) {
            if (errno == ENOENT || errno == ENOTDIR) {
                continue;
            }
            return false;
        }
        if (S_ISREG(st.st_mode) && st.st_size > 0) {
            return false;
        }
    }
    return true;
}

const char* windowProgramPath()
{
    static std::string path;
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        std::string folder(self, std::size_t(length));
        folder.erase(folder.rfind('/'));
        for (const char* candidate :
             {"/plandeck-gui", "/../" PLANDECK_LIBEXEC_FOLDER "/plandeck/plandeck-gui"}) {
            if (isExecutable(folder + candidate)) {
                path = folder + candidate;
                return path.c_str();
            }
        }
    }
    return "plandeck-gui";
}

} // namespace plandeck
