#include "bench/benchsupport.h"

#include "core/notes/conflictcopies.h"
#include "core/notes/notefilename.h"
#include "core/notes/notetext.h"
#include "core/reminder/digest.h"
#include "core/report/report.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

// The window-free work behind the reminder, the report and saving a note.

using namespace plandeck;
using namespace plandeck::bench;

namespace {

constexpr int kRepetitions = 15;
const Int16 kDay = Int16(kToday.day());
const Int16 kMonth = Int16(kToday.month());
const Int16 kYear = Int16(kToday.year());

void configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMicrosecond)
        ->UseRealTime()
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true);
}

void runDigest(benchmark::State& state, bool expectText)
{
    for (auto _ : state) {
        QString digest = reminderDigest(kDay, kMonth, kYear);
        benchmark::DoNotOptimize(digest);
    }
    if (reminderDigest(kDay, kMonth, kYear).isEmpty() == expectText) {
        state.SkipWithError("the digest is not what the notes give");
    }
}

// A planner in use, but without a note on today's day in any year.
void BM_DigestNoNote(benchmark::State& state)
{
    BenchFolder folder;
    if (!folder.isValid() || !QDir().mkpath(QStringLiteral("data"))) {
        state.SkipWithError("cannot create the working folder");
        return;
    }
    runDigest(state, false);
    state.SetLabel("no note in 1900..2026");
}

// A 1 KB note on today's day in every year from 1900 to this one.
void BM_DigestEveryYear(benchmark::State& state)
{
    BenchFolder folder;
    if (!folder.isValid()) {
        state.SkipWithError("cannot create the working folder");
        return;
    }
    for (Int16 year = kFirstReminderYear; year <= kYear; ++year) {
        if (!writeNote(kDay, kMonth, year, makeNote(1024, NoteKind::Plain, quint32(year)))) {
            state.SkipWithError("cannot write the notes");
            return;
        }
    }
    runDigest(state, true);
    state.SetLabel("1 KB note in each of 1900..2026");
}

// A 10 KB note with tabs, blanks, markup characters and CR LF on every day.
void BM_Report(benchmark::State& state)
{
    BenchFolder folder;
    if (!folder.isValid() || !fillMonth(kMonth, kYear, 10 * 1024, NoteKind::Markup)) {
        state.SkipWithError("cannot write the notes");
        return;
    }
    QRandomGenerator generator(20260315);
    for (auto _ : state) {
        const ReportPage page = buildReport(kMonth, kYear);
        const ReportFile file = writeReport(page.html, generator);
        state.PauseTiming();
        // Each report is a new file; remove it so that the folder stays small.
        const bool good = page.error.isEmpty() && file.error.isEmpty() && !page.html.isEmpty() &&
                          QFile::remove(file.path);
        state.ResumeTiming();
        if (!good) {
            state.SkipWithError("the report was not written");
            break;
        }
    }
    state.SetLabel("10 KB notes with markup, build + write");
}

// The text a box shows for a note file of `size` bytes, with every eighth
// character one of `letters` instead.
QString boxText(qsizetype size, QStringView letters)
{
    QString text = QString::fromLatin1(makeNote(size, NoteKind::Plain, 7));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (qsizetype i = 3; i < text.size(); i += 8) {
        if (text[i].isLetter()) {
            text[i] = letters[(i / 8) % letters.size()];
        }
    }
    return text;
}

// The conversion of a box's text to the bytes a save writes.
void runNoteBytes(benchmark::State& state, const QString& text)
{
    for (auto _ : state) {
        QByteArray bytes = storedBytes(text);
        benchmark::DoNotOptimize(bytes);
    }
    if (displayText(storedBytes(text)) != text) {
        state.SkipWithError("the bytes do not read back as the text");
    }
}

void BM_LargeAsciiNoteBytes(benchmark::State& state)
{
    runNoteBytes(state, boxText(4 * 1024 * 1024, u"x"));
    state.SetLabel("4 MiB, ASCII");
}

void BM_LargeNoteBytes(benchmark::State& state)
{
    runNoteBytes(state, boxText(4 * 1024 * 1024, u"\u00e9\u00fc\u20ac\u00df"));
    state.SetLabel("4 MiB, Windows-1252 letters");
}

void BM_LargeUnicodeNoteBytes(benchmark::State& state)
{
    runNoteBytes(state, boxText(4 * 1024 * 1024, u"\u0142\u017a\u03a9\u6771"));
    state.SetLabel("4 MiB, letters outside Windows-1252");
}

void BM_SmallNoteBytes(benchmark::State& state)
{
    runNoteBytes(state, boxText(1024, u"\u00e9\u00fc\u20ac\u00df"));
    state.SetLabel("1 KB, Windows-1252 letters");
}

} // namespace

// Looking for the conflict copies in data/, as the main window does when a
// file there changes, in a century of notes with one Syncthing copy.
void BM_CopiesInACentury(benchmark::State& state)
{
    BenchFolder folder;
    if (!folder.isValid() || !fillDays(36500, 200) || !writeNote(1, 12, 2020, "x") ||
        !QFile::rename(
            QStringLiteral("data/2020-12-01.txt"),
            QStringLiteral("data/2020-12-01.sync-conflict-20201201-101010-ABCDEFG.txt"))) {
        state.SkipWithError("cannot write the century of notes");
        return;
    }
    for (auto _ : state) {
        QList<ConflictCopy> copies = allConflictCopies();
        benchmark::DoNotOptimize(copies);
    }
    if (allConflictCopies().size() != 1) {
        state.SkipWithError("the copy is not found");
    }
    state.SetLabel("36,500 notes, one copy");
}

BENCHMARK(BM_DigestNoNote)->Apply(configure);
BENCHMARK(BM_CopiesInACentury)->Apply(configure);
BENCHMARK(BM_DigestEveryYear)->Apply(configure);
BENCHMARK(BM_Report)->Apply(configure);
BENCHMARK(BM_LargeAsciiNoteBytes)->Apply(configure);
BENCHMARK(BM_LargeNoteBytes)->Apply(configure);
BENCHMARK(BM_LargeUnicodeNoteBytes)->Apply(configure);
BENCHMARK(BM_SmallNoteBytes)->Apply(configure);
