#include "core/notes/notestore.h"
#include "windowfixture.h"
#include "windows/conflictwindow.h"

#include <QToolButton>

// The second half of tests/sync/two_syncthings.py: a conflict copy that two
// real Syncthing instances made, settled in side A's planner. Runs only when
// that script names the two working folders.

using namespace plandeck;

namespace {

using SyncedConflict = WindowTest;

bool copyIn(const QString& work)
{
    return !QDir(work + "/data").entryList({"2026-12-06.sync-conflict-*"}, QDir::Files).isEmpty();
}

TEST_F(SyncedConflict, KeepBothReachesTheOtherSide)
{
    const QString a = qEnvironmentVariable("PLANDECK_SYNC_A");
    const QString b = qEnvironmentVariable("PLANDECK_SYNC_B");
    if (a.isEmpty() || b.isEmpty()) {
        GTEST_SKIP() << "run by tests/sync/two_syncthings.py, which starts Syncthing";
    }
    ASSERT_TRUE(QDir::setCurrent(a));
    today = {2026, 12, 6};
    const auto form = openForm();
    const QString box = boxOf(*form, 6)->objectName();
    auto* marker = child<QToolButton>(*form, "ConflictMarker" + box.mid(5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return marker->isVisible(); }, 2000));
    click(marker);
    ASSERT_TRUE(QTest::qWaitFor([] { return topLevel("ConflictWindow") != nullptr; }, 2000));
    QTest::keyClick(topLevel("ConflictWindow"), Qt::Key_Return);

    const QByteArray settled = "dentist 9:00\r\nbuy milk\r\ncall Anna\r\n";
    EXPECT_EQ(readFile("data/2026-12-06.txt"), settled);
    EXPECT_FALSE(copyIn(a));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return readFile(b + "/data/2026-12-06.txt") == settled && !copyIn(b); }, 30000))
        << readFile(b + "/data/2026-12-06.txt").toStdString();
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

} // namespace
