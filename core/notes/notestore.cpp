#include "core/notes/notestore.h"

#include "core/notes/notefilename.h"
#include "core/notes/posixfile.h"

#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace plandeck {

namespace {

const QString kDataFolder = QStringLiteral("data");

QString failure(const QString& what, const QString& path, int errorNumber)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, errorText(errorNumber));
}

struct SaveTarget
{
    QByteArray path;   // the file the new bytes replace
    QString shownPath; // the note's own name, for messages
    QString error;
};

// Where a save writes: the note itself, or the file a link points to, so that
// the link survives the rename.
SaveTarget resolveSaveTarget(const QString& noteFile)
{
    SaveTarget target{nativePath(noteFile), noteFile, {}};
    struct stat st
    {
    };
    if (::lstat(target.path.constData(), &st) != 0) {
        if (errno != ENOENT) {
            target.error = failure(QStringLiteral("Cannot look up"), noteFile, errno);
        }
        return target;
    }
    if (S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(target.path.constData(), resolved) == nullptr) {
            target.error = failure(QStringLiteral("Cannot follow the link"), noteFile, errno);
            return target;
        }
        target.path = resolved;
        if (::stat(resolved, &st) != 0) {
            target.error = failure(QStringLiteral("Cannot look up"), noteFile, errno);
            return target;
        }
    }
    if (!S_ISREG(st.st_mode)) {
        target.error = QStringLiteral("%1 is not a regular file").arg(noteFile);
    }
    return target;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : path.left(slash == 0 ? 1 : slash);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Opens the hidden saving file and locks it against another copy of the
// program saving the same note. When the lock is granted the file may have
// been renamed into place by that copy meanwhile; then start again.
int openLockedSavingFile(const QByteArray& savingPath, UniqueFd& fd)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        UniqueFd candidate(
            ::open(savingPath.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (!candidate.isValid()) {
            return errno;
        }
        int locked;
        do {
            locked = ::flock(candidate.get(), LOCK_EX);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            return errno;
        }
        struct stat opened
        {
        };
        struct stat named
        {
        };
        if (::fstat(candidate.get(), &opened) != 0) {
            return errno;
        }
        if (::lstat(savingPath.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino) {
            fd = std::move(candidate);
            return 0;
        }
    }
    return EBUSY;
}

StoreResult writeAtomically(const SaveTarget& target, const QByteArray& data)
{
    const QByteArray folder = folderOf(target.path);
    const QString fileName = QFileInfo(QFile::decodeName(target.path)).fileName();
    const QByteArray savingPath = folder + '/' + nativePath(savingFileName(fileName));

    UniqueFd fd;
    if (const int error = openLockedSavingFile(savingPath, fd); error != 0) {
        return {failure(QStringLiteral("Cannot save"), target.shownPath, error)};
    }
    auto fail = [&](int error) {
        ::unlink(savingPath.constData());
        return StoreResult{failure(QStringLiteral("Cannot save"), target.shownPath, error)};
    };

    struct stat existing
    {
    };
    const mode_t mode = ::stat(target.path.constData(), &existing) == 0 ? (existing.st_mode & 07777)
                                                                        : (0666 & ~currentUmask());
    if (::ftruncate(fd.get(), 0) != 0 || ::fchmod(fd.get(), mode) != 0) {
        return fail(errno);
    }
    if (const int error = writeAll(fd.get(), data); error != 0) {
        return fail(error);
    }
    if (::fsync(fd.get()) != 0) {
        return fail(errno);
    }
    if (::rename(savingPath.constData(), target.path.constData()) != 0) {
        return fail(errno);
    }
    // The lock is released when fd closes, after the rename.
    if (const int error = syncDirectory(folder); error != 0) {
        return {failure(QStringLiteral("Cannot sync the folder of"), target.shownPath, error)};
    }
    return {};
}

} // namespace

QString GetFileName(Int16 day, Int16 month, Int16 year)
{
    return QString::fromStdString(noteFileName(day, month, year));
}

QString savingFileName(const QString& noteFileName)
{
    return QLatin1Char('.') + noteFileName + QStringLiteral(".saving");
}

NoteRead GetData(Int16 day, Int16 month, Int16 year)
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
        return {{}, failure(QStringLiteral("Cannot look up"), fileName, errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return {};
    }
    // O_NONBLOCK: should the name turn into a FIFO after the check above, the
    // open must not wait for a writer.
    UniqueFd fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.isValid()) {
        return {{}, failure(QStringLiteral("Cannot open"), fileName, errno)};
    }
    if (::fstat(fd.get(), &st) != 0) {
        return {{}, failure(QStringLiteral("Cannot look up"), fileName, errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return {};
    }
    NoteRead note;
    if (const int error = readAll(fd.get(), note.bytes, st.st_size); error != 0) {
        return {{}, failure(QStringLiteral("Cannot read"), fileName, error)};
    }
    return note;
}

StoreResult UpdateData(Int16 day, Int16 month, Int16 year, const QByteArray& data)
{
    if (data.isEmpty()) {
        return DeleteData(day, month, year);
    }
    const QString fileName = GetFileName(day, month, year);
    if (::mkdir(nativePath(kDataFolder).constData(), 0777) != 0 && errno != EEXIST) {
        return {failure(QStringLiteral("Cannot create the folder for"), fileName, errno)};
    }
    const SaveTarget target = resolveSaveTarget(fileName);
    if (!target.error.isEmpty()) {
        return {target.error};
    }
    return writeAtomically(target, data);
}

StoreResult DeleteData(Int16 day, Int16 month, Int16 year)
{
    const QString fileName = GetFileName(day, month, year);
    const QByteArray path = nativePath(fileName);
    struct stat st
    {
    };
    if (::stat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return {};
    }
    if (::unlink(path.constData()) != 0) {
        if (errno == ENOENT) {
            return {};
        }
        return {failure(QStringLiteral("Cannot delete"), fileName, errno)};
    }
    if (const int error = syncDirectory(folderOf(path)); error != 0) {
        return {failure(QStringLiteral("Cannot sync the folder of"), fileName, error)};
    }
    return {};
}

} // namespace plandeck
