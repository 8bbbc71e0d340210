#include "bench/benchsupport.h"

#include "core/search/notefinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>

// Finding notes in a century of them: 36,500 notes of 200 bytes, one a day,
// 7.3 MB. The files are written once per run and are in the page cache when
// measured ("warm"). Times run from the search request to the delivery of the
// results on the requesting thread.

using namespace plandeck;
using namespace plandeck::bench;

namespace {

constexpr int kNotes = 36'500;
constexpr qsizetype kNoteSize = 200;

void configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(15)->ReportAggregatesOnly(true);
}

// The search thread hands its results over through the event loop.
void needApplication()
{
    static int argc = 1;
    static char name[] = "core_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// The century of notes, written once at first use; each benchmark enters it
// for its duration (with the application its finders need) and goes back to
// where it was. A benchmark without it is skipped with the reason.
class CenturyFolder
{
public:
    explicit CenturyFolder(benchmark::State& state) : m_previous(QDir::currentPath())
    {
        needApplication();
        static const std::unique_ptr<BenchFolder> folder = [] {
            auto made = std::make_unique<BenchFolder>();
            const bool good = made->isValid() && fillDays(kNotes, kNoteSize);
            return good ? std::move(made) : nullptr;
        }();
        m_valid = folder != nullptr && QDir::setCurrent(folder->path());
        if (!m_valid) {
            state.SkipWithError("cannot write the notes");
        }
    }
    ~CenturyFolder() { QDir::setCurrent(m_previous); }
    CenturyFolder(const CenturyFolder&) = delete;
    CenturyFolder& operator=(const CenturyFolder&) = delete;

    bool isValid() const { return m_valid; }

private:
    QString m_previous;
    bool m_valid = false;
};

// Waits for results of the finder until `enough` says so; returns the
// milliseconds since `since` started.
template <typename Enough>
double waitFor(NoteFinder& finder, const QElapsedTimer& since, Enough enough)
{
    bool done = false;
    double milliseconds = 0;
    const QMetaObject::Connection connection =
        QObject::connect(&finder, &NoteFinder::found, &finder,
                         [&](const QString&, const FoundNotes& notes, int searched, int total) {
                             if (!done && enough(notes, searched, total)) {
                                 milliseconds = double(since.nsecsElapsed()) / 1e6;
                                 done = true;
                             }
                         });
    while (!done) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QObject::disconnect(connection);
    return milliseconds;
}

bool complete(const FoundNotes&, int searched, int total)
{
    return searched == total;
}

// Starts a search for text and waits until `enough`; returns the seconds.
template <typename Enough>
double timedSearch(NoteFinder& finder, const QString& text, Enough enough)
{
    QElapsedTimer since;
    since.start();
    finder.search(text);
    return waitFor(finder, since, enough) / 1e3;
}

// New finders, each with the index kept in cacheFile (none for empty), timed
// until every note is searched and the one quokka row is there.
void timeQuokkaSearches(benchmark::State& state, const QString& cacheFile)
{
    for (auto _ : state) {
        NoteFinder finder(nullptr, nullptr, cacheFile);
        int rows = 0;
        state.SetIterationTime(
            timedSearch(finder, QStringLiteral("quokka"),
                        [&rows](const FoundNotes& notes, int searched, int total) {
                            rows = int(notes.matches.size());
                            return searched == total;
                        }));
        if (rows != 1) {
            state.SkipWithError("the quokka note was not found once");
            break;
        }
    }
}

// A new finder (nothing read yet) until the first rows arrive: a word that
// most notes hold, so the first notes read already show.
void BM_FindFirstResults(benchmark::State& state)
{
    const CenturyFolder folder(state);
    if (!folder.isValid()) {
        return;
    }
    for (auto _ : state) {
        NoteFinder finder(nullptr, nullptr, QString());
        state.SetIterationTime(
            timedSearch(finder, QStringLiteral("premium"), [](const FoundNotes& notes, int, int) {
                return !notes.matches.isEmpty();
            }));
        // The finder waits for its reading to end when it goes.
    }
    state.SetLabel("36,500 notes, nothing read yet");
}

// A new finder until every note is read and the one quokka row is there.
void BM_FindAllResults(benchmark::State& state)
{
    const CenturyFolder folder(state);
    if (!folder.isValid()) {
        return;
    }
    timeQuokkaSearches(state, QString());
    state.SetLabel("36,500 notes, nothing read yet");
}

// The first search of a session with the index kept from the one before:
// the kept index is read and checked against every note's stamp.
void BM_FindFirstSearchKept(benchmark::State& state)
{
    const CenturyFolder folder(state);
    if (!folder.isValid()) {
        return;
    }
    const QString kept = QDir::current().absoluteFilePath(QStringLiteral("kept.idx"));
    {
        NoteFinder building(nullptr, nullptr, kept);
        timedSearch(building, QStringLiteral("quokka"), complete);
    }
    timeQuokkaSearches(state, kept);
    QFile::remove(kept);
    state.SetLabel("36,500 notes, index kept from the last session");
}

// Typing into a finder that holds every note: each key is a new search,
// from one letter (nearly every note) to a phrase (one note).
void BM_FindKeystroke(benchmark::State& state)
{
    const CenturyFolder folder(state);
    if (!folder.isValid()) {
        return;
    }
    NoteFinder finder(nullptr, nullptr, QString());
    timedSearch(finder, QString(), complete);
    const QString typed = QStringLiteral("the quokka visit");
    qsizetype length = 0;
    for (auto _ : state) {
        length = length % typed.size() + 1;
        state.SetIterationTime(timedSearch(finder, typed.left(length), complete));
    }
    state.SetLabel("36,500 notes in memory, 1 to 16 letters");
}

// What a search costs in the background after the answer: comparing every
// file with the notes in memory, nothing changed.
void BM_FindCheckFiles(benchmark::State& state)
{
    const CenturyFolder folder(state);
    if (!folder.isValid()) {
        return;
    }
    NoteIndex index;
    index.refresh();
    for (auto _ : state) {
        QElapsedTimer since;
        since.start();
        const bool changed = index.refresh();
        state.SetIterationTime(double(since.nsecsElapsed()) / 1e9);
        if (changed) {
            state.SkipWithError("an unchanged folder looked changed");
            break;
        }
    }
    state.SetLabel("36,500 notes, none changed");
}

} // namespace

BENCHMARK(BM_FindFirstResults)->Apply(configure);
BENCHMARK(BM_FindAllResults)->Apply(configure);
BENCHMARK(BM_FindFirstSearchKept)->Apply(configure);
BENCHMARK(BM_FindKeystroke)->Apply([](benchmark::internal::Benchmark* b) {
    configure(b);
    b->Iterations(160);
});
BENCHMARK(BM_FindCheckFiles)->Apply(configure);
