#pragma once

#include <QByteArray>
#include <QString>

// Small helpers over POSIX file calls, for the few places where the program
// must know that every byte reached the disk (a buffered writer may report
// success after a short write).

namespace plandeck {

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
