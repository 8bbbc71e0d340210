// The note store: a save writes exactly the new bytes; and under faults and
// traps, whatever lies in the saving path or holds the lock, whatever the size
// of a note, a save or delete either succeeds or fails with a reason, never
// writes through a file it did not create, never blocks for good and never
// ends the program.
#include "core/notes/notestore.h"
#include "core/notes/posixfile.h"
#include "core/reminder/digest.h"
#include "core/report/report.h"
#include "workfolder.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace plandeck;

namespace {

const QString kNote = QStringLiteral("data/2007-12-05.txt");
const char kSaving[] = "data/.2007-12-05.txt.saving";
const char kLock[] = "data/.2007-12-05.txt.lock";

using Reliability = WorkFolderTest;

// Each row of a table starts from a data folder holding only the note.
void startRow(const QByteArray& note)
{
    ::chmod("data", 0700);
    QDir(QStringLiteral("data")).removeRecursively();
    WorkFolderTest::writeFile(kNote, note);
}

// A cause made by one call that returns 0; nothing stays open.
UniqueFd made(int result)
{
    EXPECT_EQ(result, 0);
    return UniqueFd();
}

// Another copy stopped while saving holds the lock for good; a lock taken
// through a second open file is refused to this process alike.
UniqueFd holdLock()
{
    UniqueFd fd(::open(kLock, O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    EXPECT_EQ(::flock(fd.get(), LOCK_EX), 0);
    return fd;
}

using NoteStore = WorkFolderTest;

// A save writes exactly the new bytes (the note-store fuzz target tries any
// bytes); a longer saving file left by a crash is never read as a note and is
// replaced, not written into.
TEST_F(NoteStore, SavingWritesExactlyTheNewBytes)
{
    writeFile(QLatin1String(kSaving), QByteArray(1000, 'h'));
    EXPECT_EQ(GetData(5, 12, 2007).bytes, QByteArray());
    const QByteArray saved = allBytes() + allBytes().left(9);
    ASSERT_TRUE(UpdateData(5, 12, 2007, saved).isOk());
    EXPECT_EQ(readFile(kNote), saved);
    EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
}

// A link to a file named like a note is read and saved through, keeps
// pointing at it and the file keeps its mode; a link to any other file is
// unreadable and never written or deleted; a loop is no note.
TEST_F(NoteStore, ALinkIsFollowedOnlyToAFileNamedLikeANote)
{
    const char* const notANote = "links to a file that is not a note";
    // The link's target | what reading gives (the note or the reason it is
    // unreadable) | the reason a save fails (nullptr: saved through).
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"../synced/2007-12-24.txt", "old", nullptr},
        {"../synced/passwd", notANote, notANote},
        {"2007-12-05.txt", "", "Cannot follow the link"},
    };
    for (const auto& [target, read, saveFails] : rows) {
        SCOPED_TRACE(target);
        QDir(QStringLiteral("data")).removeRecursively();
        writeFile("synced/2007-12-24.txt", "old");
        writeFile("synced/passwd", "old");
        ASSERT_EQ(::chmod("synced/2007-12-24.txt", 0664) | ::mkdir("data", 0700) |
                      ::symlink(target, "data/2007-12-05.txt"),
                  0);
        const NoteRead note = GetData(5, 12, 2007);
        EXPECT_TRUE(note.isReadable() ? note.bytes == read : note.error.contains(read));
        // The umask would take group write from a file made afresh.
        const mode_t mask = ::umask(022);
        const StoreResult saved = UpdateData(5, 12, 2007, "new");
        ::umask(mask);
        EXPECT_EQ(readFile("synced/passwd"), QByteArray("old"));
        if (saveFails != nullptr) {
            EXPECT_TRUE(saved.error.contains(saveFails)) << saved.error.toStdString();
            EXPECT_EQ(DeleteData(5, 12, 2007).isOk(), note.isReadable());
        } else {
            EXPECT_TRUE(saved.isOk()) << saved.error.toStdString();
            EXPECT_EQ(readFile("synced/2007-12-24.txt"), QByteArray("new"));
            EXPECT_EQ(QFileInfo(QStringLiteral("synced/2007-12-24.txt")).permissions(),
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                          QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther);
        }
        EXPECT_TRUE(QFileInfo(kNote).isSymLink());
    }
}

// Whatever lies at the paths a save uses, nothing outside the note changes; a
// save or delete that cannot be done fails with a reason and keeps the note.
TEST_F(Reliability, TrapsAndFaultsNeitherWriteThroughNorLoseTheNote)
{
    // The cause (what it returns stays open during the call); delete, not save;
    // the reason given (nullptr: the save succeeds).
    const std::tuple<const char*, UniqueFd (*)(), bool, const char*> rows[] = {
        {"SavingFifo", [] { return made(::mkfifo(kSaving, 0600)); }, false, nullptr},
        {"SavingHardLink", [] { return made(::link("precious.txt", kSaving)); }, false, nullptr},
        {"SavingSymlink", [] { return made(::symlink("../precious.txt", kSaving)); }, false,
         nullptr},
        {"SavingFolder", [] { return made(::mkdir(kSaving, 0700)); }, false, kSaving},
        {"LockFifo", [] { return made(::mkfifo(kLock, 0600)); }, false, nullptr},
        {"LockSymlink", [] { return made(::symlink("../precious.txt", kLock)); }, false, nullptr},
        {"DeleteLookupDenied", [] { return made(::chmod("data", 0600)); }, true,
         "Permission denied"},
        {"SaveWhileLocked", holdLock, false, "waited"},
        {"DeleteWhileLocked", holdLock, true, "waited"},
    };
    // A call that blocks is interrupted (the handler has no SA_RESTART), so
    // that the test fails instead of hanging.
    struct sigaction interrupt = {};
    interrupt.sa_handler = [](int) {};
    ::sigaction(SIGALRM, &interrupt, nullptr);
    ::alarm(30);
    writeFile("precious.txt", "precious");
    for (const auto& [name, cause, deleting, reason] : rows) {
        SCOPED_TRACE(name);
        startRow("old");
        const StoreResult result = [cause = cause, deleting = deleting] {
            const UniqueFd held = cause();
            return deleting ? DeleteData(5, 12, 2007) : UpdateData(5, 12, 2007, "new");
        }();
        ::chmod("data", 0700);
        EXPECT_EQ(readFile("precious.txt"), QByteArray("precious"));
        EXPECT_EQ(readFile(kNote), QByteArray(reason ? "old" : "new"));
        if (reason == nullptr) {
            EXPECT_TRUE(result.isOk()) << result.error.toStdString();
            EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
        } else {
            EXPECT_TRUE(result.error.contains(QStringLiteral("2007-12-05")) &&
                        result.error.contains(QLatin1String(reason)))
                << result.error.toStdString();
        }
    }
    ::alarm(0);
}

// The test process may ignore SIGXFSZ itself; a child with the default action
// shows what the program does.
TEST_F(Reliability, FileSizeLimitFailsTheSaveInsteadOfEndingTheProgram)
{
    writeFile(kNote, "old");
    EXPECT_TRUE(childSucceeded(startChild([] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return UpdateData(5, 12, 2007, QByteArray(1000, 'n')).error.contains("File too large");
    })));
    EXPECT_EQ(readFile(kNote), QByteArray("old"));
    EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
}

// The reminder shows at most 16 KiB of a note, the report at most 4 MiB (its
// HTML bounded even when every byte grows into an entity, in either
// encoding), each then the note's size; a 2 GiB note is read only up to the
// bound.
TEST_F(Reliability, NoNoteIsTooLarge)
{
    const QByteArray whole(16 * 1024, 'w'), huge(1024 * 1024, 'h');
    writeFile(kNote, whole);
    writeFile("data/2006-12-05.txt", huge);
    const QString digest = reminderDigest(5, 12, 2007);
    EXPECT_TRUE(digest.startsWith(QString::fromLatin1(whole + "\r\n\r\nLast year on this day:\r\n" +
                                                      huge.left(16 * 1024) + "\r\n(")));
    EXPECT_TRUE(digest.contains(QStringLiteral("1048576 bytes")));
    EXPECT_LT(digest.size(), 2 * whole.size() + 200);
    const std::pair<QByteArray, qsizetype> rows[] = {
        {QByteArray(4 * 1024 * 1024 + 5, 'x'), 4 * 1024 * 1024 + 200},
        {"\xC5\x81" + QByteArray(4 * 1024 * 1024 - 2, '\t'), 20 * 1024 * 1024},
        {QByteArray(4 * 1024 * 1024, '\t'), 20 * 1024 * 1024}};
    for (const auto& [note, largestHtml] : rows) {
        writeFile(kNote, note);
        const QByteArray html = buildReport(12, 2007).html;
        EXPECT_LE(html.size(), largestHtml);
        EXPECT_TRUE(html.contains(QByteArray::number(note.size()) + " bytes"));
        EXPECT_TRUE(note[0] != 'x' || html.contains(note.left(4 * 1024 * 1024) + "<br>"));
    }
    ASSERT_EQ(::truncate("data/2007-12-05.txt", qint64(2) << 30), 0);
    const NoteRead read = readNoteUpTo(5, 12, 2007, 4);
    EXPECT_EQ(read.bytes, QByteArray(4, '\t'));
    EXPECT_FALSE(read.complete);
    EXPECT_EQ(read.fileSize, qint64(2) << 30);
}

// A data folder that cannot be searched is said once, not once per year.
TEST_F(Reliability, DigestOfAnUnsearchableDataFolderIsOneLine)
{
    ASSERT_EQ(::mkdir("data", 0600), 0);
    const QString digest = reminderDigest(5, 12, 2007);
    ::chmod("data", 0700);
    EXPECT_TRUE(digest.contains(QStringLiteral("data")) &&
                digest.contains(QStringLiteral("Permission denied")) &&
                !digest.contains(QStringLiteral("\r\n")))
        << digest.left(300).toStdString();
}

// The one file kept beside the note ("" when none) and its text.
std::pair<QString, QByteArray> keptBeside()
{
    const QStringList names = WorkFolderTest::entries("data").filter(
        QRegularExpression(QStringLiteral("\\A2007-12-05\\.outside-\\d{8}-\\d{6}\\.txt\\z")));
    const QString path = names.size() == 1 ? QStringLiteral("data/") + names[0] : QString();
    return {path, path.isEmpty() ? QByteArray() : WorkFolderTest::readFile(path)};
}

// Bytes the caller never saw are kept beside the note, never overwritten; no
// other file stays, and an emptied note has none.
TEST_F(Reliability, OutsideChangesAreKeptBesideTheNote)
{
    // What the caller loaded ("": no note) | what the file holds when saving
    // ("-": no file) | the caller's text ("": the note is deleted) | kept.
    for (const QByteArray row : {"mine|theirs|mine, edited|theirs", "|theirs|mine|theirs",
                                 "mine|-|mine, edited|", "mine, edited|mine, edited|mine|",
                                 "mine|same|same|", "mine|theirs||theirs", "mine|mine||"}) {
        SCOPED_TRACE(row.toStdString());
        const QList<QByteArray> field = row.split('|');
        startRow(field[1]);
        if (field[1] == "-") {
            QFile::remove(kNote);
        }
        const StoreResult result = UpdateData(5, 12, 2007, field[2], &field[0]);
        ASSERT_TRUE(result.isOk()) << result.error.toStdString();
        EXPECT_EQ(readFile(kNote), field[2]);
        EXPECT_EQ(keptBeside(), std::pair(result.keptFile, field[3]));
        EXPECT_EQ(entries("data").size(), int(!field[2].isEmpty()) + int(!field[3].isEmpty()))
            << entries("data").join(' ').toStdString();
    }
}

// Another program writes the note just as the save swaps it: that text is
// kept, never lost; alike where the file system cannot swap (EINVAL) and
// refuses hard links, so that the kept text is a copy, renamed into place.
TEST_F(Reliability, AWriteLandingDuringTheSwapIsKept)
{
    static int s_refused;
    for (const int refused : {0, EINVAL}) {
        SCOPED_TRACE(refused);
        s_refused = refused;
        startRow("mine");
        systemCalls().renameat2 = [](int a, const char* from, int b, const char* to, unsigned f) {
            if (QByteArray(to) == "data/2007-12-05.txt") {
                writeFile(kNote, "theirs");
            }
            errno = s_refused;
            return s_refused != 0 ? -1 : realSystemCalls().renameat2(a, from, b, to, f);
        };
        systemCalls().link = [](const char*, const char*) { return errno = EPERM, -1; };
        const QByteArray loaded("mine");
        const StoreResult result = UpdateData(5, 12, 2007, "mine, edited", &loaded);
        systemCalls() = realSystemCalls();
        EXPECT_TRUE(result.isOk()) << result.error.toStdString();
        EXPECT_EQ(readFile(kNote), QByteArray("mine, edited"));
        EXPECT_EQ(keptBeside(), std::pair(result.keptFile, QByteArray("theirs")));
        EXPECT_EQ(entries("data").size(), 2) << entries("data").join(' ').toStdString();
    }
}

// Two copies save the same day at the same moment: whichever came second
// kept the first one's text.
TEST_F(Reliability, TwoCopiesSavingTheSameDayKeepEachOthersText)
{
    static const QByteArray loaded("old");
    writeFile(kNote, loaded);
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    const pid_t child = startChild([&start] {
        char byte;
        ::close(start[1]);
        return ::read(start[0], &byte, 1) == 0 && UpdateData(5, 12, 2007, "theirs", &loaded).isOk();
    });
    ::close(start[0]);
    ::close(start[1]); // both copies go
    ASSERT_TRUE(UpdateData(5, 12, 2007, "mine", &loaded).isOk());
    EXPECT_TRUE(childSucceeded(child));
    const QByteArray note = readFile(kNote);
    EXPECT_EQ(keptBeside().second, note == "mine" ? "theirs" : "mine") << note.toStdString();
}

const QByteArray kOld(96 * 1024, 'o');
const QByteArray kNew(128 * 1024, 'n');

// A child process that saves the note for ever, alternating the two texts.
pid_t startSaving(const QByteArray& first, const QByteArray& second)
{
    return startChild([&first, &second] {
        for (unsigned i = 0;; ++i) {
            UpdateData(5, 12, 2007, (i % 2 == 0) ? first : second);
        }
        return false;
    });
}

// The note is one whole text, and no other file would be read as a note.
void expectOneWholeNote()
{
    const QByteArray bytes = GetData(5, 12, 2007).bytes;
    EXPECT_TRUE(bytes == kOld || bytes == kNew) << "a note of " << bytes.size() << " bytes";
    EXPECT_EQ(QDir(QStringLiteral("data")).entryList(QDir::Files), QStringList{"2007-12-05.txt"});
}

// Two copies save the same day for ever while this one reads; SIGKILL at
// random moments leaves the old or the new note whole, never a mix.
TEST_F(Reliability, KillDuringSavesNeverLeavesAPartialNote)
{
    ASSERT_TRUE(UpdateData(5, 12, 2007, kOld).isOk());
    QRandomGenerator random(2026);
    const QDeadlineTimer deadline(8000);
    int kills = 0;
    for (; kills < 60 && !deadline.hasExpired(); ++kills) {
        const pid_t children[] = {startSaving(kOld, kNew), startSaving(kNew, kOld)};
        ::usleep(useconds_t(random.bounded(200, 5000)));
        expectOneWholeNote();
        for (const pid_t child : children) {
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status));
        }
        expectOneWholeNote();
    }
    EXPECT_GE(kills, 10);
    // The leftover lock and saving files are reused, not piled up.
    EXPECT_LE(entries("data").size(), 3);
    ASSERT_TRUE(UpdateData(5, 12, 2007, "after the crashes").isOk());
    EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
}

} // namespace
