#pragma once

#include <QByteArray>
#include <QString>
#include <sys/stat.h>
#include <sys/types.h>

// Small helpers over POSIX file calls, for the few places where the program
// must know that every byte reached the disk (a buffered writer may report
// success after a short write).

namespace plandeck {

// The system calls the note files go through. The store calls them through
// this table, so that a test can make the Nth call of a kind fail with the
// errno of its choice and see every failure path taken.
struct SystemCalls
{
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*read)(int fd, void* buffer, size_t size);
    ssize_t (*pread)(int fd, void* buffer, size_t size, off_t offset);
    ssize_t (*write)(int fd, const void* buffer, size_t size);
    int (*close)(int fd);
    int (*fsync)(int fd);
    int (*fchmod)(int fd, mode_t mode);
    int (*rename)(const char* from, const char* to);
    // Linux's renameat2: RENAME_EXCHANGE swaps two names at once,
    // RENAME_NOREPLACE refuses a name that is taken; EINVAL where the file
    // system has neither.
    int (*renameat2)(int fromFolder, const char* from, int toFolder, const char* to,
                     unsigned int flags);
    int (*link)(const char* from, const char* to);
    int (*unlink)(const char* path);
    int (*mkdir)(const char* path, mode_t mode);
    int (*stat)(const char* path, struct stat* st);
    int (*lstat)(const char* path, struct stat* st);
    int (*fstat)(int fd, struct stat* st);
    int (*flock)(int fd, int operation);
};

// The table in use; it starts out holding the system's own calls.
SystemCalls& systemCalls();
// The system's own calls, to restore the table.
const SystemCalls& realSystemCalls();

// The process's file mode creation mask, as read once at start: reading it
// means setting it, which must never happen while a save runs on another
// thread.
mode_t umaskAtStart();

// A file descriptor that is closed when it goes out of scope.
class UniqueFd
{
public:
    explicit UniqueFd(int fd = -1) : m_fd(fd) {}
    ~UniqueFd();
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            close();
            m_fd = other.release();
        }
        return *this;
    }

    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    bool isValid() const { return m_fd >= 0; }
    // Closes now and reports the errno of a failed close (0 on success).
    int close();

private:
    int m_fd;
};

QByteArray nativePath(const QString& path);

// The system's wording of an errno value.
QString errorText(int errorNumber);

// Writes all of data; returns 0, or the errno that stopped it (EIO for a
// write that made no progress). A write past the file size limit gives EFBIG:
// while SIGXFSZ has its default action, which would end the process instead,
// the process is made to ignore it.
int writeAll(int fd, const QByteArray& data);

// Reads at most limit bytes from the file position on; complete tells
// whether the end of the file was reached. Returns 0, or the errno that
// stopped it. sizeHint is the expected size, for one allocation.
int readUpTo(int fd, QByteArray& data, qint64 limit, qint64 sizeHint, bool& complete);

// Whether the file holds exactly these bytes from its start; reads it in
// chunks, and not at all when its size differs. Returns 0 or the errno.
int holdsExactly(int fd, const QByteArray& bytes, bool& same);

// Copies the file from its start into another; returns 0 or the errno.
int copyContents(int from, int to);

// Makes a rename or unlink inside the folder durable; returns 0 or errno.
int syncDirectory(const QByteArray& directory);

} // namespace plandeck
