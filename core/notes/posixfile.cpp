#include "core/notes/posixfile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandeck {

namespace {

constexpr SystemCalls kRealCalls{
    [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    ::read,
    ::pread,
    ::write,
    ::close,
    ::fsync,
    ::fchmod,
    ::rename,
    ::renameat2,
    ::link,
    ::unlink,
    ::mkdir,
    ::stat,
    ::lstat,
    ::fstat,
    ::flock,
};

SystemCalls g_calls = kRealCalls;

// Static initialisation runs on the main thread before any other starts.
const mode_t g_umask = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}();

} // namespace

SystemCalls& systemCalls()
{
    return g_calls;
}

const SystemCalls& realSystemCalls()
{
    return kRealCalls;
}

mode_t umaskAtStart()
{
    return g_umask;
}

UniqueFd::~UniqueFd()
{
    close();
}

int UniqueFd::close()
{
    if (m_fd < 0) {
        return 0;
    }
    const int result = systemCalls().close(m_fd);
    m_fd = -1;
    return result == 0 ? 0 : errno;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

QString errorText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

namespace {

constexpr qsizetype kChunk = 64 * 1024;

void ignoreFileSizeSignal()
{
    struct sigaction current
    {
    };
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        ::signal(SIGXFSZ, SIG_IGN);
    }
}

ssize_t readSome(int fd, char* buffer, qsizetype size)
{
    for (;;) {
        const ssize_t got = systemCalls().read(fd, buffer, std::size_t(size));
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

ssize_t readSomeAt(int fd, char* buffer, qsizetype size, qint64 offset)
{
    for (;;) {
        const ssize_t got = systemCalls().pread(fd, buffer, std::size_t(size), off_t(offset));
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

} // namespace

int writeAll(int fd, const QByteArray& data)
{
    ignoreFileSizeSignal();
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = systemCalls().write(fd, next, std::size_t(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        next += written;
        left -= written;
    }
    return 0;
}

int readUpTo(int fd, QByteArray& data, qint64 limit, qint64 sizeHint, bool& complete)
{
    data.clear();
    complete = false;
    data.reserve(qsizetype(std::min(limit, sizeHint)) + 1);
    char chunk[kChunk];
    while (data.size() < limit) {
        const ssize_t got =
            readSome(fd, chunk, qsizetype(std::min<qint64>(kChunk, limit - data.size())));
        if (got < 0) {
            return errno;
        }
        if (got == 0) {
            complete = true;
            return 0;
        }
        data.append(chunk, got);
    }
    // At the limit: complete only when nothing follows.
    const ssize_t more = readSome(fd, chunk, 1);
    if (more < 0) {
        return errno;
    }
    complete = more == 0;
    return 0;
}

int holdsExactly(int fd, const QByteArray& bytes, bool& same)
{
    same = false;
    struct stat st
    {
    };
    if (systemCalls().fstat(fd, &st) != 0) {
        return errno;
    }
    if (st.st_size != bytes.size()) {
        return 0;
    }
    char chunk[kChunk];
    for (qsizetype offset = 0; offset < bytes.size();) {
        const ssize_t got = readSomeAt(fd, chunk, std::min(kChunk, bytes.size() - offset), offset);
        if (got < 0) {
            return errno;
        }
        if (got == 0 || std::memcmp(chunk, bytes.constData() + offset, std::size_t(got)) != 0) {
            return 0;
        }
        offset += got;
    }
    // Nothing may follow what was compared.
    same = readSomeAt(fd, chunk, 1, bytes.size()) == 0;
    return 0;
}

int copyContents(int from, int to)
{
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (qint64 offset = 0;;) {
        const ssize_t got = readSomeAt(from, chunk.data(), kChunk, offset);
        if (got < 0) {
            return errno;
        }
        if (got == 0) {
            return 0;
        }
        if (const int error = writeAll(to, QByteArray::fromRawData(chunk.constData(), got));
            error != 0) {
            return error;
        }
        offset += got;
    }
}

int syncDirectory(const QByteArray& directory)
{
    UniqueFd fd(systemCalls().open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (!fd.isValid()) {
        return errno;
    }
    if (systemCalls().fsync(fd.get()) != 0 && errno != EINVAL) {
        return errno;
    }
    return fd.close();
}

} // namespace plandeck
