// The store under faults and traps: whatever lies in the saving path or holds
// the lock, whatever the size of a note, a save or delete either succeeds or
// fails with a reason, never writes through a file it did not create, never
// blocks for good and never ends the program.
#include "core/notes/notestore.h"
#include "core/notes/posixfile.h"
#include "core/reminder/digest.h"
#include "core/report/report.h"
#include "workfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plandeck;

namespace {

const QString kNote = QStringLiteral("data/2007-12-05.txt");
const char kSavingPath[] = "data/.2007-12-05.txt.saving";
const char kLockPath[] = "data/.2007-12-05.txt.lock";

// A store call that blocks is interrupted after a while (no SA_RESTART), so
// that the test fails instead of hanging.
class Reliability : public WorkFolderTest
{
protected:
    void SetUp() override
    {
        WorkFolderTest::SetUp();
        struct sigaction action
        {
        };
        action.sa_handler = [](int) {};
        ::sigaction(SIGALRM, &action, &m_previous);
        ::alarm(10);
    }
    void TearDown() override
    {
        ::alarm(0);
        ::sigaction(SIGALRM, &m_previous, nullptr);
        WorkFolderTest::TearDown();
    }

private:
    struct sigaction m_previous
    {
    };
};

struct Trap
{
    const char* name;
    const char* path;
    void (*make)(const char* path);
    bool saves; // false: the save fails and names the path
};

void PrintTo(const Trap& row, std::ostream* out)
{
    *out << row.name;
}

class Traps : public Reliability, public ::testing::WithParamInterface<Trap>
{
};

// Whatever lies at the paths a save uses, nothing outside the note changes.
TEST_P(Traps, ASaveNeverWritesThroughWhatItFinds)
{
    const Trap& trap = GetParam();
    writeFile("precious.txt", "precious");
    writeFile(kNote, "old");
    trap.make(trap.path);
    const StoreResult result = UpdateData(5, 12, 2007, "new");
    EXPECT_EQ(readFile("precious.txt"), QByteArray("precious"));
    if (trap.saves) {
        EXPECT_TRUE(result.isOk()) << result.error.toStdString();
        EXPECT_EQ(readFile(kNote), QByteArray("new"));
        EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
    } else {
        EXPECT_FALSE(result.isOk());
        EXPECT_TRUE(result.error.contains(QString::fromLatin1(trap.path)))
            << result.error.toStdString();
        EXPECT_EQ(readFile(kNote), QByteArray("old"));
        EXPECT_TRUE(QFileInfo(QString::fromLatin1(trap.path)).isDir());
    }
}

void makeFifo(const char* path)
{
    ASSERT_EQ(::mkfifo(path, 0600), 0);
}
void makeHardLink(const char* path)
{
    ASSERT_EQ(::link("precious.txt", path), 0);
}
void makeSymlink(const char* path)
{
    ASSERT_EQ(::symlink("../precious.txt", path), 0);
}
void makeFolder(const char* path)
{
    ASSERT_EQ(::mkdir(path, 0700), 0);
}

INSTANTIATE_TEST_SUITE_P(Paths, Traps,
                         ::testing::Values(Trap{"SavingFifo", kSavingPath, makeFifo, true},
                                           Trap{"SavingHardLink", kSavingPath, makeHardLink, true},
                                           Trap{"SavingSymlink", kSavingPath, makeSymlink, true},
                                           Trap{"SavingFolder", kSavingPath, makeFolder, false},
                                           Trap{"LockFifo", kLockPath, makeFifo, true},
                                           Trap{"LockSymlink", kLockPath, makeSymlink, true}),
                         [](const auto& row) { return std::string(row.param.name); });

struct Fault
{
    const char* name;
    UniqueFd (*cause)(); // what it returns stays open during the call
    bool deleting;
    const char* reason;
};

void PrintTo(const Fault& row, std::ostream* out)
{
    *out << row.name;
}

class Faults : public Reliability, public ::testing::WithParamInterface<Fault>
{
};

// A save or delete that cannot be done fails with a reason and leaves the
// note as it was.
TEST_P(Faults, FailWithAReasonAndKeepTheNote)
{
    const Fault& fault = GetParam();
    writeFile(kNote, "old");
    StoreResult result;
    {
        const UniqueFd held = fault.cause();
        const WithoutFilePowers unprivileged;
        result = fault.deleting ? DeleteData(5, 12, 2007) : UpdateData(5, 12, 2007, "new");
    }
    ::chmod("data", 0700);
    EXPECT_FALSE(result.isOk());
    EXPECT_TRUE(result.error.contains(QStringLiteral("2007-12-05"))) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QString::fromLatin1(fault.reason)))
        << result.error.toStdString();
    EXPECT_EQ(readFile(kNote), QByteArray("old"));
}

UniqueFd holdTheLock()
{
    // Another copy stopped while saving holds the lock for good; a lock taken
    // through a second open file is refused to this process alike.
    UniqueFd fd(::open(kLockPath, O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    EXPECT_EQ(::flock(fd.get(), LOCK_EX), 0);
    return fd;
}

UniqueFd denySearch()
{
    EXPECT_EQ(::chmod("data", 0600), 0);
    return UniqueFd();
}

INSTANTIATE_TEST_SUITE_P(Kinds, Faults,
                         ::testing::Values(Fault{"DeleteLookupDenied", denySearch, true,
                                                 "Permission denied"},
                                           Fault{"SaveWhileLocked", holdTheLock, false, "waited"},
                                           Fault{"DeleteWhileLocked", holdTheLock, true, "waited"}),
                         [](const auto& row) { return std::string(row.param.name); });

// The test process may ignore SIGXFSZ itself; a child with the default action
// shows what the program does.
TEST_F(Reliability, FileSizeLimitFailsTheSaveInsteadOfEndingTheProgram)
{
    writeFile(kNote, "old");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        struct rlimit limit
        {
        };
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 64;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const StoreResult result = UpdateData(5, 12, 2007, QByteArray(1000, 'n'));
        ::_exit(!result.isOk() && result.error.contains(QStringLiteral("File too large")) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readFile(kNote), QByteArray("old"));
    EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
}

// A note of up to 16 KiB shows whole; a longer one shows its first 16 KiB
// and its size, so that the reminder window lays it out at once.
TEST_F(Reliability, DigestShowsABoundedPartOfEachNote)
{
    const QByteArray whole(16 * 1024, 'w');
    const QByteArray huge(1024 * 1024, 'h');
    writeFile("data/2007-12-05.txt", whole);
    writeFile("data/2006-12-05.txt", huge);
    const QString digest = reminderDigest(5, 12, 2007);
    const QString heading = QStringLiteral("\r\n\r\nLast year on this day:\r\n");
    ASSERT_TRUE(digest.startsWith(
        QString::fromLatin1(whole + heading.toLatin1() + huge.left(16 * 1024) + "\r\n(")))
        << digest.left(100).toStdString();
    EXPECT_TRUE(digest.contains(QStringLiteral("1048576 bytes")));
    EXPECT_LT(digest.size(), 2 * whole.size() + 200);
}

// The report holds at most the first 4 MiB of a note, and a note's HTML stays
// bounded even when every byte grows into an entity.
TEST_F(Reliability, ReportHoldsABoundedPartOfEachNote)
{
    const struct
    {
        QByteArray note;
        qsizetype largestHtml;
    } rows[] = {
        {QByteArray(4 * 1024 * 1024 + 5, 'x'), 4 * 1024 * 1024 + 200},
        {QByteArray(4 * 1024 * 1024, '\t'), 20 * 1024 * 1024},
    };
    for (const auto& row : rows) {
        writeFile(kNote, row.note);
        const ReportPage page = buildReport(12, 2007);
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        EXPECT_LE(page.html.size(), row.largestHtml);
        EXPECT_TRUE(page.html.contains(QByteArray::number(row.note.size()) + " bytes"));
        if (row.note.front() == 'x') {
            EXPECT_TRUE(page.html.contains(row.note.left(4 * 1024 * 1024) + "<br>"));
        }
    }
}

// A data folder that cannot be searched is said once, not once per year.
TEST_F(Reliability, DigestOfAnUnsearchableDataFolderIsOneLine)
{
    writeFile("data/2006-12-05.txt", "hidden");
    ASSERT_EQ(::chmod("data", 0600), 0);
    QString digest;
    {
        const WithoutFilePowers unprivileged;
        digest = reminderDigest(5, 12, 2007);
    }
    ::chmod("data", 0700);
    EXPECT_FALSE(digest.contains(QStringLiteral("\r\n"))) << digest.left(300).toStdString();
    EXPECT_TRUE(digest.contains(QStringLiteral("data")));
    EXPECT_TRUE(digest.contains(QStringLiteral("Permission denied")));
}

// A bounded read gives the start of the note and the whole note's size,
// whatever that size is.
TEST_F(Reliability, ABoundedReadTellsTheWholeSize)
{
    writeFile(kNote, "0123456789");
    const struct
    {
        qint64 limit;
        QByteArray bytes;
        bool complete;
    } rows[] = {
        {0, "", false}, {4, "0123", false}, {10, "0123456789", true}, {11, "0123456789", true}};
    for (const auto& row : rows) {
        const NoteRead note = readNoteUpTo(5, 12, 2007, row.limit);
        EXPECT_EQ(note.bytes, row.bytes) << row.limit;
        EXPECT_EQ(note.complete, row.complete) << row.limit;
        EXPECT_EQ(note.fileSize, 10) << row.limit;
    }
    const qint64 twoGiB = qint64(2) << 30;
    ASSERT_EQ(::truncate(kNote.toLatin1().constData(), twoGiB), 0);
    const NoteRead huge = readNoteUpTo(5, 12, 2007, 4);
    EXPECT_EQ(huge.bytes, QByteArray("0123"));
    EXPECT_EQ(huge.fileSize, twoGiB);
}

struct OutsideChange
{
    const char* name;
    const char* loaded; // what the caller read ("": no note)
    const char* onDisk; // what the file holds when saving (nullptr: no file)
    const char* saved;  // the caller's text ("": the note is deleted)
    const char* kept;   // the text kept beside the note (nullptr: nothing)
    bool twoCopies;     // another process saves onDisk at the same moment
};

void PrintTo(const OutsideChange& row, std::ostream* out)
{
    *out << row.name;
}

class OutsideChanges : public Reliability, public ::testing::WithParamInterface<OutsideChange>
{
};

// Bytes the caller never saw are kept beside the note, never overwritten.
TEST_P(OutsideChanges, AreKeptBesideTheNote)
{
    const OutsideChange& row = GetParam();
    const QByteArray loaded(row.loaded);
    writeFile(kNote, loaded);
    pid_t child = -1;
    if (row.twoCopies) {
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(start[1]);
            char byte;
            [[maybe_unused]] const ssize_t ignored = ::read(start[0], &byte, 1);
            ::_exit(UpdateData(5, 12, 2007, row.onDisk, &loaded).isOk() ? 0 : 1);
        }
        ::close(start[0]);
        ::close(start[1]); // both copies go
    } else if (row.onDisk != nullptr) {
        writeFile(kNote, row.onDisk);
    } else {
        QFile::remove(kNote);
    }
    const StoreResult result = UpdateData(5, 12, 2007, row.saved, &loaded);
    ASSERT_TRUE(result.isOk()) << result.error.toStdString();
    int status = 0;
    if (row.twoCopies) {
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QByteArray note = readFile(kNote);
    QByteArray kept = row.kept;
    if (row.twoCopies) {
        // Whichever copy came second kept the first one's text.
        ASSERT_TRUE(note == row.saved || note == row.onDisk) << note.toStdString();
        kept = note == row.saved ? QByteArray(row.onDisk) : QByteArray(row.saved);
    } else {
        EXPECT_EQ(note, QByteArray(row.saved));
        EXPECT_EQ(exists(kNote), *row.saved != '\0');
    }
    QStringList names = entries("data");
    names.removeAll(QStringLiteral("2007-12-05.txt"));
    if (row.kept == nullptr) {
        EXPECT_TRUE(names.isEmpty()) << names.join(' ').toStdString();
        EXPECT_TRUE(result.keptFile.isEmpty());
        return;
    }
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\\A2007-12-05\\.txt\\.outside-\\d{8}T\\d{6}\\z"))
                    .match(names.first())
                    .hasMatch())
        << names.first().toStdString();
    EXPECT_EQ(readFile(QStringLiteral("data/") + names.first()), kept);
    if (!row.twoCopies) {
        EXPECT_EQ(result.keptFile, QStringLiteral("data/") + names.first());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutsideChanges,
    ::testing::Values(
        OutsideChange{"ChangedOutside", "mine", "theirs", "mine, edited", "theirs", false},
        OutsideChange{"CreatedOutside", "", "theirs", "mine", "theirs", false},
        OutsideChange{"DeletedOutside", "mine", nullptr, "mine, edited", nullptr, false},
        OutsideChange{"Unchanged", "mine", "mine", "mine, edited", nullptr, false},
        OutsideChange{"SameTextOutside", "mine", "same", "same", nullptr, false},
        OutsideChange{"EmptiedChangedOutside", "mine", "theirs", "", "theirs", false},
        OutsideChange{"EmptiedUnchanged", "mine", "mine", "", nullptr, false},
        OutsideChange{"TwoCopiesSaveTheSameDay", "old", "theirs", "mine", "either", true}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
