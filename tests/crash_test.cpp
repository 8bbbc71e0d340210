#include "core/notes/notestore.h"

#include "workfolder.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace plandeck;

namespace {

using CrashSafety = WorkFolderTest;

const QByteArray kOld(96 * 1024, 'o');
const QByteArray kNew(128 * 1024, 'n');

// A child process that saves the note for ever, alternating the two texts.
pid_t startSaving(const QByteArray& first, const QByteArray& second)
{
    const pid_t child = ::fork();
    if (child == 0) {
        for (unsigned i = 0;; ++i) {
            UpdateData(5, 12, 2007, (i % 2 == 0) ? first : second);
        }
    }
    return child;
}

// The note is one whole text, and no other file would be read as a note.
void expectOneWholeNote()
{
    const QByteArray bytes = GetData(5, 12, 2007).bytes;
    EXPECT_TRUE(bytes == kOld || bytes == kNew) << "a note of " << bytes.size() << " bytes";
    EXPECT_EQ(QDir(QStringLiteral("data")).entryList(QDir::Files), QStringList{"2007-12-05.txt"});
}

TEST_F(CrashSafety, KillDuringSavesNeverLeavesAPartialNote)
{
    ASSERT_TRUE(UpdateData(5, 12, 2007, kOld).isOk());
    QRandomGenerator random(2026);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    for (; kills < 60 && clock.elapsed() < 8000; ++kills) {
        const pid_t child = startSaving(kOld, kNew);
        ASSERT_GT(child, 0);
        ::usleep(useconds_t(random.bounded(200, 5000)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        expectOneWholeNote();
    }
    EXPECT_GE(kills, 10);
    // The leftover lock and saving files are reused, not piled up.
    EXPECT_LE(entries("data").size(), 3);
    ASSERT_TRUE(UpdateData(5, 12, 2007, "after the crashes").isOk());
    EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
}

TEST_F(CrashSafety, TwoCopiesSavingTheSameDayNeverMixTheirText)
{
    ASSERT_TRUE(UpdateData(5, 12, 2007, kOld).isOk());
    const pid_t children[] = {startSaving(kOld, kOld), startSaving(kNew, kNew)};
    QElapsedTimer clock;
    clock.start();
    int reads = 0;
    for (; clock.elapsed() < 1500; ++reads) {
        expectOneWholeNote();
    }
    for (const pid_t child : children) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    EXPECT_GT(reads, 10);
    expectOneWholeNote();
}

} // namespace
