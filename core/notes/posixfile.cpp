#include "core/notes/posixfile.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace plandeck {

UniqueFd::~UniqueFd()
{
    close();
}

int UniqueFd::close()
{
    if (m_fd < 0) {
        return 0;
    }
    const int result = ::close(m_fd);
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

int writeAll(int fd, const QByteArray& data)
{
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, std::size_t(left));
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

int readAll(int fd, QByteArray& data, qint64 expectedSize)
{
    data.clear();
    data.reserve(qsizetype(expectedSize) + 1);
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (got == 0) {
            return 0;
        }
        data.append(chunk, got);
    }
}

int syncDirectory(const QByteArray& directory)
{
    UniqueFd fd(::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isValid()) {
        return errno;
    }
    if (::fsync(fd.get()) != 0 && errno != EINVAL) {
        return errno;
    }
    return fd.close();
}

} // namespace plandeck
