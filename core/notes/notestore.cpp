#include "core/notes/notestore.h"

#include "core/notes/notefilename.h"
#include "core/notes/posixfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace plandeck {

namespace {

const QString kDataFolder = QStringLiteral("data");
// How long a save or delete waits for another copy of the program that holds
// the note's lock: long enough for any save, short enough to keep the window
// responsive when that copy is stopped.
constexpr std::chrono::milliseconds kLockWait(2000);

QString failure(const QString& what, const QString& path, int errorNumber)
{
    return QCoreApplication::translate("Notes", "%1 %2: %3")
        .arg(what, path, errorText(errorNumber));
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
            target.error =
                failure(QCoreApplication::translate("Notes", "Cannot look up"), noteFile, errno);
        }
        return target;
    }
    if (S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(target.path.constData(), resolved) == nullptr) {
            target.error = failure(QCoreApplication::translate("Notes", "Cannot follow the link"),
                                   noteFile, errno);
            return target;
        }
        target.path = resolved;
        if (::stat(resolved, &st) != 0) {
            target.error =
                failure(QCoreApplication::translate("Notes", "Cannot look up"), noteFile, errno);
            return target;
        }
    }
    if (!S_ISREG(st.st_mode)) {
        target.error =
            QCoreApplication::translate("Notes", "%1 is not a regular file").arg(noteFile);
    }
    return target;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : path.left(slash == 0 ? 1 : slash);
}

// A hidden file beside the note: ".2007-12-05.txt" + suffix.
QByteArray hiddenBeside(const QByteArray& notePath, const char* suffix)
{
    const qsizetype slash = notePath.lastIndexOf('/');
    return notePath.left(slash + 1) + '.' + notePath.mid(slash + 1) + suffix;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Removes whatever is at path unless it is a folder; 0, or the errno
// (EISDIR for a folder).
int removeInTheWay(const QByteArray& path)
{
    struct stat st
    {
    };
    if (::lstat(path.constData(), &st) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    if (S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    return ::unlink(path.constData()) == 0 || errno == ENOENT ? 0 : errno;
}

// The reason a hidden file of the store failed, naming the file when
// something is in its way.
QString hiddenFileFailure(const QString& what, const QString& note, const QByteArray& hidden,
                          int error)
{
    if (error == EISDIR) {
        return QCoreApplication::translate("Notes",
                                           "%1 %2: the folder %3 is in the way; move it elsewhere")
            .arg(what, note, QFile::decodeName(hidden));
    }
    if (error == EWOULDBLOCK) {
        return QCoreApplication::translate(
                   "Notes", "%1 %2: another copy of Plandeck is saving it and has not "
                            "finished (waited %3 seconds)")
            .arg(what, note)
            .arg(std::chrono::duration_cast<std::chrono::seconds>(kLockWait).count());
    }
    return failure(what, note, error);
}

int waitForLock(int fd, std::chrono::steady_clock::time_point deadline)
{
    for (auto pause = std::chrono::milliseconds(1);;
         pause = std::min(2 * pause, std::chrono::milliseconds(50))) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return 0;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return errno;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return EWOULDBLOCK;
        }
        std::this_thread::sleep_for(pause);
    }
}

// The lock of one note, held while it is saved or deleted: an exclusive
// flock on a hidden file beside it, which is never written. Holding it, the
// store removes the file before letting go; a copy that was waiting on that
// file then sees that it is no longer the one in the folder and starts again.
class NoteLock
{
public:
    NoteLock() = default;
    NoteLock(const NoteLock&) = delete;
    NoteLock& operator=(const NoteLock&) = delete;
    ~NoteLock()
    {
        if (m_fd.isValid()) {
            ::unlink(m_path.constData());
        }
    }

    // 0, EWOULDBLOCK after waiting kLockWait in vain, or another errno.
    int acquire(const QByteArray& path)
    {
        const auto deadline = std::chrono::steady_clock::now() + kLockWait;
        for (int attempt = 0; attempt < 100; ++attempt) {
            // Only a regular file is opened, never followed (O_NOFOLLOW)
            // and never waited on (O_NONBLOCK, should a FIFO appear after
            // the look).
            struct stat st
            {
            };
            if (::lstat(path.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
                if (const int error = removeInTheWay(path); error != 0) {
                    return error;
                }
            }
            UniqueFd fd(::open(path.constData(),
                               O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY,
                               0600));
            if (!fd.isValid()) {
                if (errno == ELOOP || errno == ENXIO) {
                    continue; // replaced by a link or socket meanwhile
                }
                return errno;
            }
            if (::fstat(fd.get(), &st) != 0) {
                return errno;
            }
            if (!S_ISREG(st.st_mode)) {
                continue;
            }
            if (const int error = waitForLock(fd.get(), deadline); error != 0) {
                return error;
            }
            struct stat named
            {
            };
            if (::lstat(path.constData(), &named) == 0 && named.st_dev == st.st_dev &&
                named.st_ino == st.st_ino) {
                m_path = path;
                m_fd = std::move(fd);
                return 0;
            }
        }
        return EBUSY;
    }

private:
    QByteArray m_path;
    UniqueFd m_fd;
};

// Creates the saving file afresh. O_EXCL: nothing already at its name (a file
// left by a crash, a link, a FIFO) is opened, let alone written through;
// anything there but a folder is removed first. The note's lock keeps other
// copies of the program away from the name meanwhile.
int createSavingFile(const QByteArray& path, mode_t mode, UniqueFd& fd)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        fd =
            UniqueFd(::open(path.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode));
        if (fd.isValid()) {
            return 0;
        }
        if (errno != EEXIST) {
            return errno;
        }
        if (const int error = removeInTheWay(path); error != 0) {
            return error;
        }
    }
    return EEXIST;
}

// Before the note at notePath is replaced or deleted: when it holds bytes
// that are neither what the caller expected nor the replacement, someone else
// wrote them, and they are kept under a name of their own (see UpdateData).
// A hard link keeps them without a copy; a file system without links gets a
// synced copy. Returns 0 or the errno; kept names the file.
int keepOutsideText(const QByteArray& notePath, const QByteArray& expected,
                    const QByteArray& replacement, QString& kept)
{
    UniqueFd current(::open(notePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!current.isValid()) {
        return errno == ENOENT ? 0 : errno; // deleted outside: nothing to keep
    }
    struct stat st
    {
    };
    if (::fstat(current.get(), &st) != 0) {
        return errno;
    }
    if (!S_ISREG(st.st_mode) || st.st_size == 0) {
        return 0;
    }
    for (const QByteArray* known : {&expected, &replacement}) {
        bool same = false;
        if (const int error = holdsExactly(current.get(), *known, same); error != 0 || same) {
            return error;
        }
    }
    const QByteArray stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd'T'HHmmss")).toLatin1();
    for (int n = 1; n <= 100; ++n) {
        const QByteArray name =
            notePath + ".outside-" + stamp + (n > 1 ? "-" + QByteArray::number(n) : QByteArray());
        if (::link(notePath.constData(), name.constData()) == 0) {
            kept = QFile::decodeName(name);
            return 0;
        }
        if (errno == EEXIST) {
            continue;
        }
        UniqueFd copy(::open(name.constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                             st.st_mode & 0777));
        if (!copy.isValid()) {
            if (errno == EEXIST) {
                continue;
            }
            return errno;
        }
        int error = copyContents(current.get(), copy.get());
        if (error == 0 && ::fsync(copy.get()) != 0) {
            error = errno;
        }
        if (error == 0) {
            error = copy.close();
        }
        if (error != 0) {
            ::unlink(name.constData());
            return error;
        }
        kept = QFile::decodeName(name);
        return 0;
    }
    return EEXIST;
}

StoreResult writeAtomically(const SaveTarget& target, const QByteArray& data,
                            const QByteArray* expected)
{
    const QString save = QCoreApplication::translate("Notes", "Cannot save");
    const QByteArray lockPath = hiddenBeside(target.path, ".lock");
    NoteLock lock;
    if (const int error = lock.acquire(lockPath); error != 0) {
        return {hiddenFileFailure(save, target.shownPath, lockPath, error)};
    }

    struct stat existing
    {
    };
    const mode_t mode = ::stat(target.path.constData(), &existing) == 0 ? (existing.st_mode & 07777)
                                                                        : (0666 & ~currentUmask());
    const QByteArray savingPath = hiddenBeside(target.path, ".saving");
    UniqueFd fd;
    if (const int error = createSavingFile(savingPath, mode, fd); error != 0) {
        return {hiddenFileFailure(save, target.shownPath, savingPath, error)};
    }
    auto fail = [&](int error) {
        ::unlink(savingPath.constData());
        return StoreResult{failure(save, target.shownPath, error)};
    };
    // The mode given to open is cut by the umask; the note's own bits are kept.
    if (::fchmod(fd.get(), mode) != 0) {
        return fail(errno);
    }
    if (const int error = writeAll(fd.get(), data); error != 0) {
        return fail(error);
    }
    if (::fsync(fd.get()) != 0) {
        return fail(errno);
    }
    StoreResult result;
    if (expected != nullptr) {
        if (const int error = keepOutsideText(target.path, *expected, data, result.keptFile);
            error != 0) {
            ::unlink(savingPath.constData());
            return {failure(QCoreApplication::translate(
                                "Notes", "Cannot keep the text another program wrote to"),
                            target.shownPath, error)};
        }
    }
    if (::rename(savingPath.constData(), target.path.constData()) != 0) {
        result.error = fail(errno).error;
        return result;
    }
    if (const int error = syncDirectory(folderOf(target.path)); error != 0) {
        result.error = failure(QCoreApplication::translate("Notes", "Cannot sync the folder of"),
                               target.shownPath, error);
    }
    return result;
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
    return readNoteUpTo(day, month, year, std::numeric_limits<qint64>::max());
}

NoteRead readNoteUpTo(Int16 day, Int16 month, Int16 year, qint64 byteLimit)
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
        return {{},
                failure(QCoreApplication::translate("Notes", "Cannot look up"), fileName, errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return {};
    }
    // O_NONBLOCK: should the name turn into a FIFO after the check above, the
    // open must not wait for a writer.
    UniqueFd fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.isValid()) {
        return {{}, failure(QCoreApplication::translate("Notes", "Cannot open"), fileName, errno)};
    }
    if (::fstat(fd.get(), &st) != 0) {
        return {{},
                failure(QCoreApplication::translate("Notes", "Cannot look up"), fileName, errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return {};
    }
    NoteRead note;
    if (const int error = readUpTo(fd.get(), note.bytes, byteLimit, st.st_size, note.complete);
        error != 0) {
        return {{}, failure(QCoreApplication::translate("Notes", "Cannot read"), fileName, error)};
    }
    // The file may have changed size since fstat; what was read decides.
    note.fileSize =
        note.complete ? note.bytes.size() : std::max<qint64>(st.st_size, note.bytes.size() + 1);
    return note;
}

StoreResult UpdateData(Int16 day, Int16 month, Int16 year, const QByteArray& data,
                       const QByteArray* expected)
{
    if (data.isEmpty()) {
        return DeleteData(day, month, year, expected);
    }
    const QString fileName = GetFileName(day, month, year);
    if (::mkdir(nativePath(kDataFolder).constData(), 0777) != 0 && errno != EEXIST) {
        return {failure(QCoreApplication::translate("Notes", "Cannot create the folder for"),
                        fileName, errno)};
    }
    const SaveTarget target = resolveSaveTarget(fileName);
    if (!target.error.isEmpty()) {
        return {target.error};
    }
    return writeAtomically(target, data, expected);
}

StoreResult DeleteData(Int16 day, Int16 month, Int16 year, const QByteArray* expected)
{
    const QString fileName = GetFileName(day, month, year);
    const QString remove = QCoreApplication::translate("Notes", "Cannot delete");
    const QByteArray path = nativePath(fileName);
    struct stat st
    {
    };
    if (::stat(path.constData(), &st) != 0) {
        // No note, or a link leading nowhere: nothing to delete. Any other
        // failure leaves the note in place, unknown, and must be said.
        if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) {
            return {};
        }
        return {failure(QCoreApplication::translate("Notes", "Cannot look up"), fileName, errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return {};
    }
    const SaveTarget target = resolveSaveTarget(fileName);
    if (!target.error.isEmpty()) {
        return {target.error};
    }
    const QByteArray lockPath = hiddenBeside(target.path, ".lock");
    NoteLock lock;
    if (const int error = lock.acquire(lockPath); error != 0) {
        return {hiddenFileFailure(remove, fileName, lockPath, error)};
    }
    StoreResult result;
    if (expected != nullptr) {
        if (const int error = keepOutsideText(target.path, *expected, {}, result.keptFile);
            error != 0) {
            return {failure(QCoreApplication::translate(
                                "Notes", "Cannot keep the text another program wrote to"),
                            fileName, error)};
        }
    }
    if (::unlink(path.constData()) != 0 && errno != ENOENT) {
        result.error = failure(remove, fileName, errno);
        return result;
    }
    if (const int error = syncDirectory(folderOf(path)); error != 0) {
        result.error = failure(QCoreApplication::translate("Notes", "Cannot sync the folder of"),
                               fileName, error);
    }
    return result;
}

} // namespace plandeck
