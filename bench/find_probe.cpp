#include "bench/benchsupport.h"

#include "windows/form1.h"
#include "windows/notebox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

// The main window over a century of notes, measured on a folder written
// beforehand:
//   find_probe --write FOLDER COUNT SIZE   COUNT notes of SIZE bytes, one a
//       day from 1926 (see fillDays); the note of 17 May 1961 alone holds
//       "the quokka visit"
//   find_probe --huge FOLDER               adds a sparse 1 GiB note on 18 May
//       1961 that begins with "quokka"
//   find_probe FOLDER ROWS                 Ctrl+F, "quokka" typed at once
//       (the first search of the session), then "the quokka visit" letter by
//       letter with every note in memory; then ten activations of Find, and
//       Enter on each of the ROWS rows the first search must list.
// Prints one figure a line (milliseconds): the time from Ctrl+F to the
// complete list, the longest stretch in which the window's thread did not
// get to run a 1 ms timer in each phase (wall time and its own CPU time), the
// process's CPU time per activation (median) and the slowest Enter until the
// main window has the day's cell focused. The peak resident memory is
// measured from outside (/usr/bin/time -f %M). Exit status 0 when every
// search found what it should and every window came up when asked.

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

QString notesCount(int rows)
{
    return rows == 1 ? QStringLiteral("1 note") : QStringLiteral("%1 notes").arg(rows);
}

qint64 processCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int write(const QStringList& args)
{
    if (args.size() == 4 && args[0] == QLatin1String("--write")) {
        return QDir().mkpath(args[1]) && QDir::setCurrent(args[1]) &&
                       fillDays(args[2].toInt(), args[3].toInt())
                   ? 0
                   : 2;
    }
    QFile huge(args.value(1) + QStringLiteral("/data/1961-05-18.txt"));
    return huge.open(QIODevice::WriteOnly) && huge.write("quokka\r\n") == 8 &&
                   huge.resize(qint64(1) << 30)
               ? 0
               : 2;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    if (!args.isEmpty() && args[0].startsWith(QLatin1String("--"))) {
        return write(args);
    }
    if (args.size() != 2 || !QDir::setCurrent(args[0])) {
        return 2;
    }
    const int rows = args[1].toInt();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
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
    QElapsedTimer sinceOpened;
    sinceOpened.start();
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
    QWidget* find = findWindow();
    if (find == nullptr) {
        return 4;
    }
    auto* field = find->findChild<QLineEdit*>(QStringLiteral("FindText"));
    auto* count = find->findChild<QLabel*>(QStringLiteral("FindCount"));
    auto* progress = find->findChild<QProgressBar*>(QStringLiteral("FindProgress"));
    field->setText(QStringLiteral("quokka"));
    const bool firstFound = QTest::qWaitFor(
        [&] { return !progress->isVisible() && count->text() == notesCount(rows); }, 60'000);
    const double firstMs = double(sinceOpened.nsecsElapsed()) / 1e6;
    if (!QTest::qWaitForWindowExposed(find)) {
        return 4;
    }
    const double readingWall = watch.longestWallMs();
    const double readingCpu = watch.longestCpuMs();

    watch.restart();
    const bool warmFound =
        typeAndWait(find, QStringLiteral("the quokka visit"), 50, QStringLiteral("1 note"));
    const double typingWall = watch.longestWallMs();
    const double typingCpu = watch.longestCpuMs();

    // Activations: the main window, then Find again; the process's CPU time
    // from Ctrl+F until the finder has had its time.
    // A window that never became active would make the figures meaningless.
    std::vector<double> activations;
    field->setText(QStringLiteral("quokka"));
    bool activated = QTest::qWaitFor([&] { return count->text() == notesCount(rows); }, 30'000);
    for (int round = 0; round < 10; ++round) {
        form.activateWindow();
        activated = QTest::qWaitForWindowActive(&form) && activated;
        QTest::qWait(50);
        const qint64 before = processCpuNs();
        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
        activated = QTest::qWaitForWindowActive(find) && activated;
        QTest::qWait(100);
        activations.push_back(double(processCpuNs() - before) / 1e6);
    }

    // Enter on each row: until the main window has the day's cell focused.
    double slowestEnter = 0;
    auto* list = find->findChild<QTreeView*>(QStringLiteral("FindResults"));
    bool entered = true;
    for (int row = 0; row < rows; ++row) {
        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
        activated = QTest::qWaitForWindowActive(find) && activated;
        const QDate date = QDate::fromString(list->model()->index(row, 0).data().toString(),
                                             QLocale().dateFormat(QLocale::LongFormat));
        list->setCurrentIndex(list->model()->index(row, 1));
        QElapsedTimer sinceEnter;
        sinceEnter.start();
        QTest::keyClick(field, Qt::Key_Return);
        entered = QTest::qWaitFor(
                      [&] {
                          auto* box = qobject_cast<NoteBox*>(QApplication::focusWidget());
                          return box != nullptr && box->window() == &form &&
                                 (!date.isValid() ||
                                  box->objectName() ==
                                      QStringLiteral("Text1(%1)")
                                          .arg(GetIndex(Int16(date.day()), Int16(date.month()),
                                                        Int16(date.year()))));
                      },
                      10'000) &&
                  entered;
        slowestEnter = std::max(slowestEnter, double(sinceEnter.nsecsElapsed()) / 1e6);
    }

    std::printf("findFirstSearch %.2f\nfindStallIdleWall %.2f\n"
                "findStallReadingWall %.2f\nfindStallReadingCpu %.2f\n"
                "findStallTypingWall %.2f\nfindStallTypingCpu %.2f\n"
                "findActivationCpu %.2f\nfindEnter %.2f\n",
                firstMs, idleWall, readingWall, readingCpu, typingWall, typingCpu,
                median(activations), slowestEnter);
    return firstFound && warmFound && activated && entered ? 0 : 5;
}
