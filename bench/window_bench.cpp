#include "bench/benchsupport.h"

#include "core/notes/notestore.h"
#include "windows/form1.h"
#include "windows/notebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>

// The main window on kToday's month (March 2026), driven as a user would:
// the month buttons clicked and the window painted, the window resized, a
// character typed and the note saved as a timer tick saves it.

using namespace plandeck;
using namespace plandeck::bench;

namespace {

constexpr int kRepetitions = 15;
constexpr Int16 kMonth = 3;
constexpr Int16 kYear = 2026;
constexpr qsizetype kSmallNote = 1024;
constexpr Int16 kLargeNoteDay = 15;

// A fresh working folder and, once the notes are written, the main window
// loaded and shown on it.
class Planner
{
    benchmark::State& m_state;
    BenchFolder m_folder; // declared first: outlives the window, which may still save

public:
    explicit Planner(benchmark::State& state) : m_state(state) {}

    bool folderReady() { return m_folder.isValid() || fail("cannot create the working folder"); }
    benchmark::State& state() { return m_state; }

    bool open(bool activate = false)
    {
        form = std::make_unique<Form1>(quietServices(&warnings));
        if (form->Form_Load(RunMode::Normal) != LoadOutcome::ShowMain) {
            return fail("the load handler did not ask for the main window");
        }
        // Saves happen only where a benchmark asks for them.
        form->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) {
            return fail("the main window was not exposed");
        }
        if (activate) {
            form->activateWindow();
            if (!QTest::qWaitForWindowActive(form.get())) {
                return fail("the main window did not become active");
            }
        }
        return shows(kMonth) || fail("the window does not show the month of today");
    }

    bool shows(Int16 month) const
    {
        return form->findChild<QLabel*>(QStringLiteral("Label1"))->text() ==
               monthCaption(month, kYear);
    }

    NoteBox* boxOf(Int16 day) const
    {
        return form->findChild<NoteBox*>(
            QStringLiteral("Text1(%1)").arg(GetIndex(day, kMonth, kYear)));
    }

    bool fail(const char* why)
    {
        m_state.SkipWithError(why);
        return false;
    }

    int warnings = 0;
    std::unique_ptr<Form1> form;
};

// A click on "Next Month >" or "< Prev Month", alternately. click() runs the
// handler without the repaint of a pressed button that a simulated mouse
// press causes, which would draw each step twice.
void stepMonth(Form1& form, bool& forward)
{
    form.findChild<QPushButton*>(forward ? QStringLiteral("Command1") : QStringLiteral("Command2"))
        ->click();
    forward = !forward;
}

// Paints the whole window once, as the next screen update would.
void paint(Form1& form)
{
    QPixmap shot = form.grab();
    benchmark::DoNotOptimize(shot);
}

// One timed step of the navigation benchmarks: a month step and the paint
// after it. Not inlined, so that a profiler can collect just this
// (valgrind --tool=callgrind --toggle-collect='*navigationStep*').
[[gnu::noinline]] void navigationStep(Form1& form, bool& forward)
{
    stepMonth(form, forward);
    paint(form);
}

// Opens the window on notes the caller has written, checks that the given
// day shows at least minimumShown characters, and warms up with a few steps,
// checking that a step really changes the month. Leaves the window on kMonth
// with the next step going forward.
bool openForNavigation(Planner& planner, Int16 checkedDay, qsizetype minimumShown)
{
    if (!planner.open()) {
        return false;
    }
    if (planner.boxOf(checkedDay)->toPlainText().size() < minimumShown) {
        return planner.fail("the notes are not shown");
    }
    bool forward = true;
    navigationStep(*planner.form, forward);
    if (!planner.shows(kMonth + 1)) {
        return planner.fail("Next Month > did not show the next month");
    }
    for (int i = 0; i < 3; ++i) {
        navigationStep(*planner.form, forward);
    }
    return planner.shows(kMonth) || planner.fail("< Prev Month did not come back");
}

void BM_Navigation(benchmark::State& state)
{
    Planner planner(state);
    if (!planner.folderReady()) {
        return;
    }
    for (Int16 month = kMonth - 1; month <= kMonth + 1; ++month) {
        if (!fillMonth(month, kYear, kSmallNote)) {
            planner.fail("cannot write the notes");
            return;
        }
    }
    if (!openForNavigation(planner, 1, 1)) {
        return;
    }
    bool forward = true;
    for (auto _ : state) {
        navigationStep(*planner.form, forward);
    }
    state.SetLabel("1 KB notes, step + paint");
}

// One timed step of the resize benchmarks: the window takes the other size
// and the resulting events are handled: the resize event (Form_Resize) and
// the repaint of the window that follows it.
[[gnu::noinline]] void resizeStep(Form1& form, const std::array<QSize, 2>& sizes, int& current)
{
    current = 1 - current;
    form.resize(sizes[std::size_t(current)]);
    QApplication::processEvents();
}

void runResize(Planner& planner, const char* label)
{
    if (!planner.open()) {
        return;
    }
    Form1& form = *planner.form;
    const std::array<QSize, 2> sizes = {form.size(), form.size() + QSize(120, 90)};
    int current = 0;
    const NoteBox* box = planner.boxOf(1);
    const int boxWidth = box->width();
    resizeStep(form, sizes, current);
    if (box->width() == boxWidth || form.width() != sizes[1].width()) {
        planner.fail("resizing the window did not lay out the note boxes again");
        return;
    }
    for (int i = 0; i < 3; ++i) {
        resizeStep(form, sizes, current);
    }
    benchmark::State& state = planner.state();
    for (auto _ : state) {
        resizeStep(form, sizes, current);
    }
    state.SetLabel(label);
}

void BM_Resize(benchmark::State& state)
{
    Planner planner(state);
    if (planner.folderReady() &&
        (fillMonth(kMonth, kYear, kSmallNote) || planner.fail("cannot write the notes"))) {
        runResize(planner, "1 KB notes, resize + events + repaint");
    }
}

// The working folder with one note of kLargeNoteSize bytes on kLargeNoteDay.
bool writeLargeNote(Planner& planner)
{
    return planner.folderReady() &&
           (writeNote(kLargeNoteDay, kMonth, kYear, makeNote(kLargeNoteSize, NoteKind::Plain, 1)) ||
            planner.fail("cannot write the note"));
}

// Steps between kMonth, which holds the large note, and the month after it,
// painting after each step; times only the steps into kMonth or only the
// steps out of it, since the two cost very different amounts.
void runLargeNoteStep(benchmark::State& state, bool into)
{
    Planner planner(state);
    if (!writeLargeNote(planner) || !openForNavigation(planner, kLargeNoteDay, 1000)) {
        return;
    }
    bool forward = true;
    QElapsedTimer clock;
    for (auto _ : state) {
        // forward: out of kMonth; back: into it.
        for (int step = 0; step < 2; ++step) {
            const bool timed = into != forward;
            clock.start();
            navigationStep(*planner.form, forward);
            if (timed) {
                state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
            }
        }
    }
    state.SetLabel(into ? "one 4 MiB note, step into its month + paint"
                        : "one 4 MiB note, step out of its month + paint");
}

void BM_LargeNoteStepInto(benchmark::State& state)
{
    runLargeNoteStep(state, true);
}

void BM_LargeNoteStepOutOf(benchmark::State& state)
{
    runLargeNoteStep(state, false);
}

void BM_LargeNoteResize(benchmark::State& state)
{
    Planner planner(state);
    if (writeLargeNote(planner)) {
        runResize(planner, "one 4 MiB note, resize + events + repaint");
    }
}

// What a typing benchmark times of each key and its timer save.
enum class Timed { Key, TimerTick, WholeSave };

// Clicks into the large note, so that its whole text is loaded, then types
// one key and lets the timer save it, over and over; times the key, the timer
// tick on the user-interface thread (the note is converted and written on a
// worker thread meanwhile), or the whole save until its result is taken in.
void runLargeNoteTyping(benchmark::State& state, Timed timed)
{
    Planner planner(state);
    if (!writeLargeNote(planner) || !planner.open(true)) {
        return;
    }
    Form1& form = *planner.form;
    NoteBox* box = planner.boxOf(kLargeNoteDay);
    auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    if (!box->hasFocus()) {
        planner.fail("clicking into the box did not start editing it");
        return;
    }
    QElapsedTimer clock;
    std::int64_t typed = 0;
    for (auto _ : state) {
        clock.start();
        QTest::keyClick(box, 'x');
        const qint64 key = clock.nsecsElapsed();
        clock.start();
        QMetaObject::invokeMethod(timer, "timeout");
        const qint64 tick = clock.nsecsElapsed();
        // Waits for the worker and takes its result in.
        form.saveNotes();
        const qint64 whole = clock.nsecsElapsed();
        const qint64 times[] = {key, tick, whole};
        state.SetIterationTime(double(times[int(timed)]) / 1e9);
        ++typed;
    }
    const qint64 saved = QFileInfo(GetFileName(kLargeNoteDay, kMonth, kYear)).size();
    if (planner.warnings != 0 || saved != kLargeNoteSize + typed) {
        planner.fail("the typed characters were not all saved");
        return;
    }
    const char* labels[] = {"one 4 MiB note, one key typed",
                            "one 4 MiB note, timer save after a key: UI thread",
                            "one 4 MiB note, timer save after a key: until written"};
    state.SetLabel(labels[int(timed)]);
}

void BM_LargeNoteKey(benchmark::State& state)
{
    runLargeNoteTyping(state, Timed::Key);
}

void BM_LargeNoteSave(benchmark::State& state)
{
    runLargeNoteTyping(state, Timed::TimerTick);
}

void BM_LargeNoteWholeSave(benchmark::State& state)
{
    runLargeNoteTyping(state, Timed::WholeSave);
}

void configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
    b->UseRealTime();
}

// For benchmarks that time one part of each iteration themselves.
void configureManual(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
    b->UseManualTime();
}

} // namespace

BENCHMARK(BM_Navigation)->Apply(configure);
BENCHMARK(BM_Resize)->Apply(configure);
BENCHMARK(BM_LargeNoteStepInto)->Apply(configureManual);
BENCHMARK(BM_LargeNoteStepOutOf)->Apply(configureManual);
BENCHMARK(BM_LargeNoteResize)->Apply(configure);
// A key takes a tiny part of each iteration: a fixed count keeps the saves
// around it from taking minutes.
BENCHMARK(BM_LargeNoteKey)->Apply(configureManual)->Iterations(40);
BENCHMARK(BM_LargeNoteSave)->Apply(configureManual);
BENCHMARK(BM_LargeNoteWholeSave)->Apply(configureManual);
