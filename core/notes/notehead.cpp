#include "core/notes/notehead.h"

#include "core/notes/posixfile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandeck {

namespace {

NoteStamp stampOf(const struct stat& st)
{
    return {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

NoteHead unreadable(const QString& what, const QString& fileName, int errorNumber,
                    const NoteStamp& stamp = {})
{
    NoteHead head;
    head.stamp = stamp;
    head.read.error = QStringLiteral("%1 %2: %3").arg(what, fileName, errorText(errorNumber));
    return head;
}

} // namespace

NoteStamp noteStamp(Int16 day, Int16 month, Int16 year)
{
    struct stat st
    {
    };
    // Only a regular file is a note: anything else reads as no note.
    if (::stat(nativePath(GetFileName(day, month, year)).constData(), &st) != 0 ||
        !S_ISREG(st.st_mode)) {
        return {};
    }
    return stampOf(st);
}

NoteHead GetDataHead(Int16 day, Int16 month, Int16 year, qint64 limit)
{
    const QString fileName = GetFileName(day, month, year);
    const QByteArray path = nativePath(fileName);
    struct stat st
    {
    };
    if (::stat(path.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) {
            return {};
        }
        return unreadable(QStringLiteral("Cannot look up"), fileName, errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return {};
    }
    // O_NONBLOCK: should the name turn into a FIFO after the check above, the
    // open must not wait for a writer.
    UniqueFd fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.isValid()) {
        return unreadable(QStringLiteral("Cannot open"), fileName, errno, stampOf(st));
    }
    if (::fstat(fd.get(), &st) != 0) {
        return unreadable(QStringLiteral("Cannot look up"), fileName, errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return {};
    }
    NoteHead head;
    head.stamp = stampOf(st);
    // One byte more than the limit tells whether there is more. The size the
    // file claims is not trusted: some files (in /proc) claim none.
    const qint64 wanted = std::max<qint64>(limit, 0) + 1;
    QByteArray& bytes = head.read.bytes;
    bytes.reserve(qsizetype(std::min(wanted, qint64(st.st_size) + 1)));
    char chunk[64 * 1024];
    for (;;) {
        const qint64 room = std::min<qint64>(wanted - bytes.size(), qint64(sizeof chunk));
        if (room == 0) {
            break;
        }
        const ssize_t n = ::read(fd.get(), chunk, std::size_t(room));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return unreadable(QStringLiteral("Cannot read"), fileName, errno, head.stamp);
        }
        if (n == 0) {
            break;
        }
        bytes.append(chunk, n);
    }
    head.size = bytes.size();
    if (bytes.size() == wanted) {
        bytes.chop(1);
        head.size = std::max<qint64>(st.st_size, wanted);
    }
    return head;
}

} // namespace plandeck
