#include "core/notes/notestore.h"

#include "workfolder.h"

#include <QDir>
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

// Saves the two notes in turn for ever, as fast as it can.
[[noreturn]] void saveForever(const QByteArray& first, const QByteArray& second)
{
    for (unsigned i = 0;; ++i) {
        UpdateData(5, 12, 2007, (i % 2 == 0) ? first : second);
    }
}

void expectWholeNote(const QByteArray& bytes)
{
    EXPECT_TRUE(bytes == kOld || bytes == kNew)
        << "a note of " << bytes.size() << " bytes is neither the old nor the new text";
}

// No file a later start would read as a note, besides the note itself.
void expectOnlyTheNote()
{
    for (const QString& name : QDir(QStringLiteral("data")).entryList(QDir::Files)) {
        EXPECT_EQ(name, QStringLiteral("2007-12-05.txt"));
    }
}

TEST_F(CrashSafety, KillDuringSavesNeverLeavesAPartialNote)
{
    ASSERT_TRUE(UpdateData(5, 12, 2007, kOld).isOk());
    QRandomGenerator random(2026);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    for (; kills < 60 && clock.elapsed() < 8000; ++kills) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            saveForever(kOld, kNew);
        }
        ::usleep(useconds_t(random.bounded(200, 5000)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        expectWholeNote(GetData(5, 12, 2007).bytes);
        expectOnlyTheNote();
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
    pid_t children[2];
    children[0] = ::fork();
    if (children[0] == 0) {
        saveForever(kOld, kOld);
    }
    children[1] = ::fork();
    if (children[1] == 0) {
        saveForever(kNew, kNew);
    }
    QElapsedTimer clock;
    clock.start();
    int reads = 0;
    while (clock.elapsed() < 1500) {
        expectWholeNote(GetData(5, 12, 2007).bytes);
        ++reads;
    }
    for (const pid_t child : children) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    EXPECT_GT(reads, 10);
    expectWholeNote(GetData(5, 12, 2007).bytes);
    expectOnlyTheNote();
}

} // namespace
