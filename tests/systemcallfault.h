#pragma once

#include "core/notes/posixfile.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

// While it lives, the nth call of one kind through the store's system-call
// table fails with the chosen errno; every other call goes to the system.
class SystemCallFault
{
public:
    enum Kind { Open, Write, Fsync, Fchmod, Rename, Renameat2, Link, Unlink };

    SystemCallFault(Kind kind, int nth, int error)
    {
        s_kind = kind, s_left = nth, s_error = error;
        using plandeck::realSystemCalls;
        plandeck::SystemCalls& calls = plandeck::systemCalls();
        calls.open = [](const char* path, int flags, mode_t mode) {
            return fails(Open) ? -1 : realSystemCalls().open(path, flags, mode);
        };
        calls.write = [](int fd, const void* data, size_t size) {
            return fails(Write) ? -1 : realSystemCalls().write(fd, data, size);
        };
        calls.fsync = [](int fd) { return fails(Fsync) ? -1 : realSystemCalls().fsync(fd); };
        calls.fchmod = [](int fd, mode_t m) { return fails(Fchmod) ? -1 : ::fchmod(fd, m); };
        calls.rename = [](const char* a, const char* b) {
            return fails(Rename) ? -1 : ::rename(a, b);
        };
        calls.renameat2 = [](int a, const char* from, int b, const char* to, unsigned flags) {
            return fails(Renameat2) ? -1 : realSystemCalls().renameat2(a, from, b, to, flags);
        };
        calls.link = [](const char* a, const char* b) { return fails(Link) ? -1 : ::link(a, b); };
        calls.unlink = [](const char* path) { return fails(Unlink) ? -1 : ::unlink(path); };
    }
    ~SystemCallFault() { plandeck::systemCalls() = plandeck::realSystemCalls(); }
    Q_DISABLE_COPY_MOVE(SystemCallFault)

private:
    static bool fails(Kind kind)
    {
        const bool now = kind == s_kind && s_left > 0 && --s_left == 0;
        errno = now ? s_error : errno;
        return now;
    }

    static inline Kind s_kind = Open;
    static inline int s_left = 0;
    static inline int s_error = 0;
};
