#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <ostream>
#include <sys/wait.h>
#include <unistd.h>

// Readable failure messages for Qt strings in assertions.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << '"' << bytes.toStdString() << "\" (" << bytes.size() << " bytes)";
}

// Each test runs in a fresh, empty working folder of its own, which is
// removed afterwards; the previous working folder is restored.
class WorkFolderTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        // Find keeps its index in the cache folder: one of the test's own.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
        // Recovery records of the test's own, never the user's.
        qputenv("XDG_STATE_HOME", m_state.path().toLocal8Bit());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // The file's bytes; empty when it cannot be read.
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // True for a broken link too.
    static bool exists(const QString& path)
    {
        return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
    }
    // Names in a folder, hidden ones included.
    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_state;
    QString m_previous = QDir::currentPath();
};

// Every byte from 0x00 to 0xFF once, in order.
inline QByteArray allBytes()
{
    QByteArray bytes(256, 0);
    std::iota(bytes.begin(), bytes.end(), char(0));
    return bytes;
}

// Runs `body` in a forked child (no test macros there: its result is its exit
// status), so that a fault or a signal's default action cannot end the tests.
inline pid_t startChild(const std::function<bool()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body() ? 0 : 1);
    }
    return child;
}
// Waits for the child; true when its body returned true.
inline bool childSucceeded(pid_t child)
{
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
