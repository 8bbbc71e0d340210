#include "bench/benchsupport.h"

#include "core/notes/notestore.h"
#include "windows/form1.h"
#include "windows/notebox.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>

// The main window on kToday's month (March 2026), driven as a user would:
// the month buttons' handlers run and the window painted, the window resized,
// a character typed and saved.

using namespace plandeck;
using namespace plandeck::bench;

namespace {

constexpr int kRepetitions = 15;
constexpr Int16 kMonth = 3;
constexpr Int16 kYear = 2026;
constexpr qsizetype kSmallNote = 1024;
constexpr qsizetype kLargeNote = 1024 * 1024;
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
        form->Timer1->stop();
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
        if (form->M != kMonth || form->y != kYear) {
            return fail("the window does not show the month of today");
        }
        return true;
    }

    NoteBox* boxOf(Int16 day) const
    {
        return form->Text1[std::size_t(GetIndex(day, form->M, form->y))];
    }

    bool fail(const char* why)
    {
        m_state.SkipWithError(why);
        return false;
    }

    int warnings = 0;
    std::unique_ptr<Form1> form;
};

// What a click on "Next Month >" or "< Prev Month" runs, alternately. The
// handlers are called directly: a simulated mouse press would also repaint
// the window (QAbstractButton repaints a pressed button at once, flushing
// everything the previous step left dirty), so each step would be drawn twice.
void stepMonth(Form1& form, bool& forward)
{
    if (forward) {
        form.Command1_Click();
    } else {
        form.Command2_Click();
    }
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

// Warms up with a few steps and checks that a step really changes the month.
bool warmUpNavigation(Planner& planner, bool& forward)
{
    stepMonth(*planner.form, forward);
    if (planner.form->M != kMonth + 1) {
        return planner.fail("Next Month > did not show the next month");
    }
    paint(*planner.form);
    for (int i = 0; i < 3; ++i) {
        navigationStep(*planner.form, forward);
    }
    return planner.form->M == kMonth || planner.fail("< Prev Month did not come back");
}

// Opens the window on notes the caller has written, checks that the given
// day shows at least minimumShown characters, and times month steps.
void runNavigation(Planner& planner, Int16 checkedDay, qsizetype minimumShown, const char* label)
{
    if (!planner.open()) {
        return;
    }
    if (planner.boxOf(checkedDay)->toPlainText().size() < minimumShown) {
        planner.fail("the notes are not shown");
        return;
    }
    bool forward = true;
    if (!warmUpNavigation(planner, forward)) {
        return;
    }
    benchmark::State& state = planner.state();
    for (auto _ : state) {
        navigationStep(*planner.form, forward);
    }
    state.SetLabel(label);
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
    runNavigation(planner, 1, 1, "1 KB notes, step + paint");
}

// One timed step of the resize benchmark: the window takes the other size and
// the resulting events are handled: the resize event (Form_Resize and its
// refill) and the repaint of the window that follows it.
[[gnu::noinline]] void resizeStep(Form1& form, const std::array<QSize, 2>& sizes, int& current)
{
    current = 1 - current;
    form.resize(sizes[std::size_t(current)]);
    QApplication::processEvents();
}

void BM_Resize(benchmark::State& state)
{
    Planner planner(state);
    if (!planner.folderReady()) {
        return;
    }
    if (!fillMonth(kMonth, kYear, kSmallNote)) {
        planner.fail("cannot write the notes");
        return;
    }
    if (!planner.open()) {
        return;
    }
    Form1& form = *planner.form;
    const std::array<QSize, 2> sizes = {form.size(), form.size() + QSize(120, 90)};
    int current = 0;
    auto resizeOnce = [&] { resizeStep(form, sizes, current); };
    const int boxWidth = form.Text1[1]->width();
    resizeOnce();
    if (form.Text1[1]->width() == boxWidth || form.width() != sizes[1].width()) {
        planner.fail("resizing the window did not lay out the note boxes again");
        return;
    }
    for (int i = 0; i < 3; ++i) {
        resizeOnce();
    }
    for (auto _ : state) {
        resizeOnce();
    }
    state.SetLabel("1 KB notes, resize + events + repaint");
}

// The working folder with one 1 MB note on kLargeNoteDay.
bool writeLargeNote(Planner& planner)
{
    return planner.folderReady() &&
           (writeNote(kLargeNoteDay, kMonth, kYear, makeNote(kLargeNote, NoteKind::Plain, 1)) ||
            planner.fail("cannot write the note"));
}

void BM_LargeNoteNavigation(benchmark::State& state)
{
    Planner planner(state);
    if (!writeLargeNote(planner)) {
        return;
    }
    runNavigation(planner, kLargeNoteDay, kLargeNote * 9 / 10, "one 1 MB note, step + paint");
}

// One timed step of the typing benchmark: a key typed into the box and the
// timer tick that saves the note.
[[gnu::noinline]] void typingStep(Form1& form, NoteBox* box)
{
    QTest::keyClick(box, 'x');
    form.Timer1_Timer();
}

void BM_LargeNoteTyping(benchmark::State& state)
{
    Planner planner(state);
    if (!writeLargeNote(planner)) {
        return;
    }
    if (!planner.open(true)) {
        return;
    }
    Form1& form = *planner.form;
    NoteBox* box = planner.boxOf(kLargeNoteDay);
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    if (form.EditIndex != box->index()) {
        planner.fail("clicking into the box did not start editing it");
        return;
    }
    auto typeAndSave = [&] { typingStep(form, box); };
    typeAndSave();
    typeAndSave();
    std::int64_t typed = 2;
    for (auto _ : state) {
        typeAndSave();
    }
    typed += state.iterations();
    const qint64 saved = QFileInfo(GetFileName(kLargeNoteDay, kMonth, kYear)).size();
    if (planner.warnings != 0 || saved != kLargeNote + typed) {
        planner.fail("the typed characters were not all saved");
        return;
    }
    state.SetLabel("one 1 MB note, key + timer save");
}

void configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_Navigation)->Apply(configure);
BENCHMARK(BM_Resize)->Apply(configure);
BENCHMARK(BM_LargeNoteNavigation)->Apply(configure);
BENCHMARK(BM_LargeNoteTyping)->Apply(configure);
