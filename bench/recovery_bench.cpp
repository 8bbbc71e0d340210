#include "bench/benchsupport.h"

#include "core/notes/notetext.h"
#include "windows/notebox.h"
#include "windows/notecell.h"
#include "windows/recoveryrecorder.h"

#include <QElapsedTimer>
#include <QWidget>
#include <benchmark/benchmark.h>

// Recording a cell's unsaved text, as a key's change reaches the recorder's
// tick: what the user-interface thread does (take the text, hand it to the
// worker) for a 1 KB and a 4 MiB note, and for the 1 KB note the whole record
// until written and synced on the worker.

using namespace plandeck;
using namespace plandeck::bench;

namespace {

void runRecording(benchmark::State& state, qsizetype size, bool untilWritten)
{
    BenchFolder folder;
    QWidget window;
    NoteBox box(1, &window);
    NoteCell cell(&box, nullptr);
    cell.showDay(Int16(kToday.day()), Int16(kToday.month()), Int16(kToday.year()));
    // The whole note in the box, as its cell had loaded it.
    const QByteArray note = makeNote(size, NoteKind::Plain, 7);
    cell.takeUnsavedText(displayText(note), note);
    // The reader the main window gives the recorder.
    RecoveryRecorder recorder(
        [&cell](int) {
            QString text = cell.text();
            const bool unsaved = !cell.isLoadedText(text);
            return RecoveryRecorder::Cell{cell.date(), cell.loadedBytes(), std::move(text),
                                          unsaved};
        },
        folder.path() + QStringLiteral("/recovery"), nullptr);
    if (!folder.isValid() || cell.text().size() < size / 2) {
        state.SkipWithError("the note is not shown");
        return;
    }
    for (auto _ : state) {
        box.insertPlainText(QStringLiteral("x"));
        QElapsedTimer timer;
        timer.start();
        recorder.cellChanged(1);
        recorder.recordChanges();
        if (untilWritten) {
            recorder.waitForWrites();
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        recorder.waitForWrites();
    }
    state.SetLabel(untilWritten ? "1 KB note, until synced" : "user-interface thread");
}

void BM_RecordSmallNote(benchmark::State& state)
{
    runRecording(state, 1024, false);
}
void BM_RecordLargeNote(benchmark::State& state)
{
    runRecording(state, kLargeNoteSize, false);
}
void BM_RecordSmallNoteWritten(benchmark::State& state)
{
    runRecording(state, 1024, true);
}

void configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
    b->UseManualTime()->Iterations(20);
}

} // namespace

BENCHMARK(BM_RecordSmallNote)->Apply(configure);
BENCHMARK(BM_RecordLargeNote)->Apply(configure);
BENCHMARK(BM_RecordSmallNoteWritten)->Apply(configure);
