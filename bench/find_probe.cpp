#include "bench/benchsupport.h"

#include "windows/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>

// The main window over a century of notes (36,500 notes of 200 bytes, one a
// day): Ctrl+F, then a word typed letter by letter while the notes are read
// for the first time, then another with every note in memory. Prints the
// longest stretch in which the window's thread did not get to run a 1 ms
// timer in each phase; the peak resident memory is measured from outside
// (/usr/bin/time -f %M). Exit status 0 when both searches found the one
// quokka note.

using namespace plandeck;
using namespace plandeck::bench;

namespace {

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The longest gap between two ticks of a 1 ms timer, in wall time and in
// the CPU time the window's thread used meanwhile: on a busy machine the
// wall gaps include time the thread was waiting for a CPU, while the CPU
// time is the window's own work.
class StallWatch
{
public:
    StallWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            const qint64 cpu = threadCpuNs();
            m_longestWall = std::max(m_longestWall, m_sinceTick.nsecsElapsed());
            m_longestCpu = std::max(m_longestCpu, cpu - m_cpuAtTick);
            m_sinceTick.start();
            m_cpuAtTick = cpu;
        });
    }
    void restart()
    {
        m_longestWall = m_longestCpu = 0;
        m_sinceTick.start();
        m_cpuAtTick = threadCpuNs();
        m_timer.start();
    }
    double longestWallMs() const { return double(m_longestWall) / 1e6; }
    double longestCpuMs() const { return double(m_longestCpu) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_cpuAtTick = 0;
    qint64 m_longestWall = 0;
    qint64 m_longestCpu = 0;
};

QWidget* findWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("FindNotes") && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// Types the text a letter every `gapMs`, then waits until every note is
// searched and the count reads `expected`.
bool typeAndWait(QWidget* find, const QString& text, int gapMs, const QString& expected)
{
    auto* field = find->findChild<QLineEdit*>(QStringLiteral("FindText"));
    auto* count = find->findChild<QLabel*>(QStringLiteral("FindCount"));
    auto* progress = find->findChild<QProgressBar*>(QStringLiteral("FindProgress"));
    field->clear();
    for (const QChar letter : text) {
        QTest::keyClicks(field, QString(letter));
        QTest::qWait(gapMs);
    }
    return QTest::qWaitFor([&] { return !progress->isVisible() && count->text() == expected; },
                           30'000);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);

    BenchFolder folder;
    if (!folder.isValid() || !fillDays(36'500, 200)) {
        return 2;
    }
    Form1 form(quietServices());
    if (form.Form_Load(RunMode::Normal) != LoadOutcome::ShowMain) {
        return 3;
    }
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        return 3;
    }
    StallWatch watch;
    watch.restart();
    QTest::qWait(1000);
    const double idleWall = watch.longestWallMs();

    watch.restart();
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
    QWidget* find = findWindow();
    if (find == nullptr || !QTest::qWaitForWindowExposed(find)) {
        return 4;
    }
    QElapsedTimer sinceOpened;
    sinceOpened.start();
    const bool coldFound =
        typeAndWait(find, QStringLiteral("quokka"), 30, QStringLiteral("1 note"));
    const double coldMs = double(sinceOpened.nsecsElapsed()) / 1e6;
    const double coldWall = watch.longestWallMs();
    const double coldCpu = watch.longestCpuMs();

    watch.restart();
    const bool warmFound =
        typeAndWait(find, QStringLiteral("the quokka visit"), 50, QStringLiteral("1 note"));
    // Milliseconds, one figure a line, for bench/run-benchmarks.
    std::printf("findOpenToAllResults %.2f\nfindStallIdleWall %.2f\n"
                "findStallReadingWall %.2f\nfindStallReadingCpu %.2f\n"
                "findStallTypingWall %.2f\nfindStallTypingCpu %.2f\n",
                coldMs, idleWall, coldWall, coldCpu, watch.longestWallMs(), watch.longestCpuMs());
    return coldFound && warmFound ? 0 : 5;
}
