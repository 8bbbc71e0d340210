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
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace plandeck {

namespace {

// How long a save or delete waits for another copy of the program that holds
// the note's lock: long enough for any save, short enough to keep the window
// responsive when that copy is stopped.
constexpr std::chrono::milliseconds kLockWait(2000);

const char* const kCannotKeep =
    QT_TRANSLATE_NOOP("NoteStore", "Cannot keep the text another program wrote to");
const char* const kCannotSyncFolder = QT_TRANSLATE_NOOP("NoteStore", "Cannot sync the folder of");

// what names the step that failed, as the user reads it: "Cannot write the
// saving file for" + the note + the system's reason.
QString failure(const char* what, const QString& path, int errorNumber)
{
    return QStringLiteral("%1 %2: %3")
        .arg(QCoreApplication::translate("NoteStore", what), path, errorText(errorNumber));
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
    if (systemCalls().lstat(target.path.constData(), &st) != 0) {
        if (errno != ENOENT) {
            target.error =
                failure(QT_TRANSLATE_NOOP("NoteStore", "Cannot look up"), noteFile, errno);
        }
        return target;
    }
    if (S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(target.path.constData(), resolved) == nullptr) {
            target.error =
                failure(QT_TRANSLATE_NOOP("NoteStore", "Cannot follow the link"), noteFile, errno);
            return target;
        }
        target.path = resolved;
        if (systemCalls().stat(resolved, &st) != 0) {
            target.error =
                failure(QT_TRANSLATE_NOOP("NoteStore", "Cannot look up"), noteFile, errno);
            return target;
        }
        // Only a link to a file named like a note is written through.
        const std::string_view name(resolved);
        if (S_ISREG(st.st_mode) && !noteFileDate(name.substr(name.rfind('/') + 1))) {
            target.error =
                QCoreApplication::translate("NoteStore", "%1 links to a file that is not a note")
                    .arg(noteFile);
            return target;
        }
    }
    if (!S_ISREG(st.st_mode)) {
        target.error =
            QCoreApplication::translate("NoteStore", "%1 is not a regular file").arg(noteFile);
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

// Removes whatever is at path unless it is a folder; 0, or the errno
// (EISDIR for a folder).
int removeInTheWay(const QByteArray& path)
{
    struct stat st
    {
    };
    if (systemCalls().lstat(path.constData(), &st) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    if (S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    return systemCalls().unlink(path.constData()) == 0 || errno == ENOENT ? 0 : errno;
}

// The reason a hidden file of the store failed, naming the file when
// something is in its way.
QString hiddenFileFailure(const char* what, const QString& note, const QByteArray& hidden,
                          int error)
{
    if (error == EISDIR) {
        return QCoreApplication::translate("NoteStore",
                                           "%1 %2: the folder %3 is in the way; move it elsewhere")
            .arg(QCoreApplication::translate("NoteStore", what), note, QFile::decodeName(hidden));
    }
    if (error == EWOULDBLOCK) {
        return QCoreApplication::translate("NoteStore",
                                           "%1 %2: another copy of Plandeck is saving it and has "
                                           "not finished (waited %3 seconds)")
            .arg(QCoreApplication::translate("NoteStore", what), note)
            .arg(std::chrono::duration_cast<std::chrono::seconds>(kLockWait).count());
    }
    return failure(what, note, error);
}

int waitForLock(int fd, std::chrono::steady_clock::time_point deadline)
{
    for (auto pause = std::chrono::milliseconds(1);;
         pause = std::min(2 * pause, std::chrono::milliseconds(50))) {
        if (systemCalls().flock(fd, LOCK_EX | LOCK_NB) == 0) {
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
            systemCalls().unlink(m_path.constData());
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
            if (systemCalls().lstat(path.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
                if (const int error = removeInTheWay(path); error != 0) {
                    return error;
                }
            }
            UniqueFd fd(systemCalls().open(
                path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY,
                0600));
            if (!fd.isValid()) {
                if (errno == ELOOP || errno == ENXIO) {
                    continue; // replaced by a link or socket meanwhile
                }
                return errno;
            }
            if (systemCalls().fstat(fd.get(), &st) != 0) {
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
            if (systemCalls().lstat(path.constData(), &named) == 0 && named.st_dev == st.st_dev &&
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
        fd = UniqueFd(systemCalls().open(
            path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
            mode));
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

// "2007-12-05.outside-20071205-101530.txt" for the note 2007-12-05.txt, with
// "-2", "-3" … before ".txt" when taken: the extension stays last, so that
// the kept text opens like any note.
QByteArray keptName(const QByteArray& notePath, const QByteArray& stamp, int n)
{
    return notePath.chopped(4) + ".outside-" + stamp +
           (n > 1 ? "-" + QByteArray::number(n) : QByteArray()) + ".txt";
}

// Renames, refusing a name that is taken (EEXIST). Where the file system
// cannot refuse in one step, the look and the rename are two; the note's lock
// keeps other copies of the program away meanwhile.
int renameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (systemCalls().renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(),
                                RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL) {
        return errno;
    }
    struct stat st
    {
    };
    if (systemCalls().lstat(to.constData(), &st) == 0) {
        return EEXIST;
    }
    if (errno != ENOENT) {
        return errno;
    }
    return systemCalls().rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

// Gives the complete file at from the first free kept name of the note (see
// UpdateData). Returns 0 or the errno; kept names the file.
int moveToKeptName(const QByteArray& from, const QByteArray& notePath, QString& kept)
{
    const QByteArray stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1();
    for (int n = 1; n <= 100; ++n) {
        const QByteArray name = keptName(notePath, stamp, n);
        const int error = renameNoReplace(from, name);
        if (error == 0) {
            kept = QFile::decodeName(name);
        }
        if (error != EEXIST) {
            return error;
        }
    }
    return EEXIST;
}

// Whether the regular file fd holds text someone else wrote: bytes that are
// neither what the caller expected nor the replacement.
int holdsOutsideText(int fd, const QByteArray& expected, const QByteArray& replacement,
                     bool& outside)
{
    outside = false;
    struct stat st
    {
    };
    if (systemCalls().fstat(fd, &st) != 0) {
        return errno;
    }
    if (st.st_size == 0) {
        return 0;
    }
    for (const QByteArray* known : {&expected, &replacement}) {
        bool same = false;
        if (const int error = holdsExactly(fd, *known, same); error != 0 || same) {
            return error;
        }
    }
    outside = true;
    return 0;
}

// What came out of the note's name lies at outPath: it is kept when someone
// else wrote it, and anything but a regular file is kept alike. Returns 0 or
// the errno; kept names the kept file and stays empty when outPath is for the
// caller to remove.
int keepWhatCameOut(const QByteArray& outPath, const QByteArray& notePath,
                    const QByteArray& expected, const QByteArray& replacement, QString& kept)
{
    UniqueFd out(systemCalls().open(outPath.constData(),
                                    O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0));
    if (!out.isValid() && errno != ELOOP && errno != ENXIO) {
        return errno;
    }
    struct stat st
    {
    };
    bool outside = true;
    if (out.isValid()) {
        if (systemCalls().fstat(out.get(), &st) != 0) {
            return errno;
        }
        if (S_ISREG(st.st_mode)) {
            if (const int error = holdsOutsideText(out.get(), expected, replacement, outside);
                error != 0) {
                return error;
            }
        }
    }
    return outside ? moveToKeptName(outPath, notePath, kept) : 0;
}

// Where the note cannot be swapped in one step: before the note at notePath
// is replaced or deleted, its outside text is kept. A hard link keeps it
// without a copy; a file system without links gets a synced copy, written
// under a hidden name and then renamed, so that a crash never leaves a
// partial copy under a kept name. Returns 0 or the errno; kept names the file.
int keepOutsideText(const QByteArray& notePath, const QByteArray& expected,
                    const QByteArray& replacement, QString& kept)
{
    UniqueFd current(
        systemCalls().open(notePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0));
    if (!current.isValid()) {
        return errno == ENOENT ? 0 : errno; // deleted outside: nothing to keep
    }
    struct stat st
    {
    };
    if (systemCalls().fstat(current.get(), &st) != 0) {
        return errno;
    }
    bool outside = false;
    if (!S_ISREG(st.st_mode)) {
        return 0;
    }
    if (const int error = holdsOutsideText(current.get(), expected, replacement, outside);
        error != 0 || !outside) {
        return error;
    }
    const QByteArray stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1();
    for (int n = 1; n <= 100; ++n) {
        const QByteArray name = keptName(notePath, stamp, n);
        if (systemCalls().link(notePath.constData(), name.constData()) == 0) {
            kept = QFile::decodeName(name);
            return 0;
        }
        if (errno == EEXIST) {
            continue;
        }
        // Only a file system without hard links gets a copy; any other
        // failure (no space, an I/O error) fails the keeping.
        if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK && errno != EXDEV) {
            return errno;
        }
        break;
    }
    const QByteArray copying = hiddenBeside(notePath, ".keeping");
    UniqueFd copy;
    int error = createSavingFile(copying, st.st_mode & 0777, copy);
    if (error != 0) {
        return error;
    }
    error = copyContents(current.get(), copy.get());
    if (error == 0 && systemCalls().fsync(copy.get()) != 0) {
        error = errno;
    }
    if (error == 0) {
        error = copy.close();
    }
    if (error == 0) {
        error = moveToKeptName(copying, notePath, kept);
    }
    if (error != 0) {
        systemCalls().unlink(copying.constData());
    }
    return error;
}

// Puts the saving file in the note's place in one step and, when there was a
// note, leaves it at the saving file's name: whatever anyone wrote to the
// note up to that instant comes out, and nothing written later is replaced.
// Returns 0, EINVAL where the file system cannot swap, or another errno.
int swapIn(const QByteArray& savingPath, const QByteArray& notePath, bool hadNote, bool& swapped)
{
    for (int attempt = 0; attempt < 10; ++attempt, hadNote = !hadNote) {
        if (systemCalls().renameat2(AT_FDCWD, savingPath.constData(), AT_FDCWD,
                                    notePath.constData(),
                                    hadNote ? RENAME_EXCHANGE : RENAME_NOREPLACE) == 0) {
            swapped = hadNote;
            return 0;
        }
        // Deleted or created outside since the look: the other way.
        if (errno != (hadNote ? ENOENT : EEXIST)) {
            return errno;
        }
    }
    return EBUSY;
}

StoreResult writeAtomically(const SaveTarget& target, const QByteArray& data,
                            const QByteArray* expected)
{
    const QByteArray lockPath = hiddenBeside(target.path, ".lock");
    NoteLock lock;
    if (const int error = lock.acquire(lockPath); error != 0) {
        return {hiddenFileFailure(QT_TRANSLATE_NOOP("NoteStore", "Cannot lock"), target.shownPath,
                                  lockPath, error)};
    }

    struct stat existing
    {
    };
    const bool hadNote = systemCalls().stat(target.path.constData(), &existing) == 0;
    const mode_t mode = hadNote ? (existing.st_mode & 07777) : (0666 & ~umaskAtStart());
    const QByteArray savingPath = hiddenBeside(target.path, ".saving");
    UniqueFd fd;
    if (const int error = createSavingFile(savingPath, mode, fd); error != 0) {
        return {
            hiddenFileFailure(QT_TRANSLATE_NOOP("NoteStore", "Cannot create the saving file for"),
                              target.shownPath, savingPath, error)};
    }
    auto fail = [&](const char* step, int error) {
        systemCalls().unlink(savingPath.constData());
        return StoreResult{failure(step, target.shownPath, error)};
    };
    // The mode given to open is cut by the umask; the note's own bits are kept.
    if (systemCalls().fchmod(fd.get(), mode) != 0) {
        return fail(
            QT_TRANSLATE_NOOP("NoteStore", "Cannot set the permissions of the saving file for"),
            errno);
    }
    if (const int error = writeAll(fd.get(), data); error != 0) {
        return fail(QT_TRANSLATE_NOOP("NoteStore", "Cannot write the saving file for"), error);
    }
    if (systemCalls().fsync(fd.get()) != 0) {
        return fail(QT_TRANSLATE_NOOP("NoteStore", "Cannot sync the saving file for"), errno);
    }
    const char* const renameOver =
        QT_TRANSLATE_NOOP("NoteStore", "Cannot rename the saving file over");
    StoreResult result;
    if (expected == nullptr) {
        if (systemCalls().rename(savingPath.constData(), target.path.constData()) != 0) {
            return fail(renameOver, errno);
        }
    } else {
        bool swapped = false;
        int error = swapIn(savingPath, target.path, hadNote, swapped);
        if (error == EINVAL) {
            // No swap on this file system: the note is compared, then replaced.
            if (const int keepError =
                    keepOutsideText(target.path, *expected, data, result.keptFile);
                keepError != 0) {
                return fail(kCannotKeep, keepError);
            }
            error = systemCalls().rename(savingPath.constData(), target.path.constData()) == 0
                        ? 0
                        : errno;
        }
        if (error != 0) {
            return fail(renameOver, error);
        }
        if (swapped) {
            error = keepWhatCameOut(savingPath, target.path, *expected, data, result.keptFile);
            if (error != 0) {
                // The note goes back as it was; the new text stays in its cell.
                if (systemCalls().renameat2(AT_FDCWD, savingPath.constData(), AT_FDCWD,
                                            target.path.constData(), RENAME_EXCHANGE) == 0) {
                    systemCalls().unlink(savingPath.constData());
                }
                return {failure(kCannotKeep, target.shownPath, error)};
            }
            if (result.keptFile.isEmpty()) {
                systemCalls().unlink(savingPath.constData());
            }
        }
    }
    if (const int error = syncDirectory(folderOf(target.path)); error != 0) {
        result.error = failure(kCannotSyncFolder, target.shownPath, error);
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
    return readNoteFile(GetFileName(day, month, year), byteLimit);
}

StoreResult UpdateData(Int16 day, Int16 month, Int16 year, const QByteArray& data,
                       const QByteArray* expected)
{
    if (data.isEmpty()) {
        return DeleteData(day, month, year, expected);
    }
    const QString fileName = GetFileName(day, month, year);
    if (systemCalls().mkdir(kDataFolder, 0777) != 0 && errno != EEXIST) {
        return {failure(QT_TRANSLATE_NOOP("NoteStore", "Cannot create the folder for"), fileName,
                        errno)};
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
    const char* const remove = QT_TRANSLATE_NOOP("NoteStore", "Cannot delete");
    const QByteArray path = nativePath(fileName);
    // No note, or no note but a folder, FIFO or broken link: nothing to
    // delete. A failed look-up leaves the note in place, unknown, and is said.
    if (const NoteLookup found = lookUpNote(fileName); !found.isNote()) {
        return {found.error};
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
    if (expected != nullptr && target.path == path) {
        // The note leaves its name in one step, and what came out is looked
        // at: nothing anyone wrote to it up to that instant is lost.
        const QByteArray outPath = hiddenBeside(path, ".saving");
        if (const int error = removeInTheWay(outPath); error != 0) {
            return {hiddenFileFailure(remove, fileName, outPath, error)};
        }
        if (systemCalls().rename(path.constData(), outPath.constData()) != 0) {
            if (errno != ENOENT) {
                return {failure(remove, fileName, errno)};
            }
        } else if (const int error = keepWhatCameOut(outPath, path, *expected, {}, result.keptFile);
                   error != 0 ||
                   (result.keptFile.isEmpty() && systemCalls().unlink(outPath.constData()) != 0)) {
            const int reason = error != 0 ? error : errno;
            renameNoReplace(outPath, path);
            return {failure(error != 0 ? kCannotKeep : remove, fileName, reason)};
        }
    } else {
        // A link goes, its target stays: what the target holds is kept first.
        if (expected != nullptr) {
            if (const int error = keepOutsideText(target.path, *expected, {}, result.keptFile);
                error != 0) {
                return {failure(kCannotKeep, fileName, error)};
            }
        }
        if (systemCalls().unlink(path.constData()) != 0 && errno != ENOENT) {
            result.error = failure(remove, fileName, errno);
            return result;
        }
    }
    if (const int error = syncDirectory(folderOf(path)); error != 0) {
        result.error = failure(kCannotSyncFolder, fileName, error);
    }
    return result;
}

} // namespace plandeck
