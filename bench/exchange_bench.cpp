#include "bench/benchsupport.h"

#include "core/exchange/exchange.h"

#include <QDir>
#include <benchmark/benchmark.h>
#include <memory>

// Export and import of a century of notes: 36,500 notes of 200 bytes, one a
// day, written once per run and in the page cache when measured. The daily
// notes' folder is written at the first round; later rounds find every file
// up to date and write none.

using namespace plandeck;
using namespace plandeck::bench;

namespace {

// The century's folder, written at first use; null when it cannot be.
const BenchFolder* centuryFolder()
{
    static const std::unique_ptr<BenchFolder> folder = [] {
        auto made = std::make_unique<BenchFolder>();
        return made->isValid() && fillDays(36'500, 200) ? std::move(made) : nullptr;
    }();
    return folder.get();
}

void runExchange(benchmark::State& state, ExchangeFormat format, bool import)
{
    const BenchFolder* folder = centuryFolder();
    const QString name = format == ExchangeFormat::Ics ? QStringLiteral("century.ics")
                                                       : QStringLiteral("century-daily");
    const QString path = folder != nullptr ? QDir(folder->path()).filePath(name) : QString();
    const ExportRequest request{QDate(1900, 1, 1), QDate(2099, 12, 31), format, false, path};
    if (folder == nullptr || !QDir::setCurrent(folder->path()) ||
        (import && !exportNotes(request).isOk())) {
        state.SkipWithError("cannot write the notes");
        return;
    }
    for (auto _ : state) {
        // The import is a dry run: it reads and compares every day, and
        // the notes stay as they are for the next round.
        const ExchangeResult result = import ? importNotes(path, true) : exportNotes(request);
        if (!result.isOk()) {
            state.SkipWithError("the exchange failed");
            break;
        }
    }
}

void BM_ExportCenturyIcs(benchmark::State& state)
{
    runExchange(state, ExchangeFormat::Ics, false);
}
void BM_ExportCenturyDailyMarkdown(benchmark::State& state)
{
    runExchange(state, ExchangeFormat::DailyMarkdown, false);
}
void BM_ImportCenturyIcsDryRun(benchmark::State& state)
{
    runExchange(state, ExchangeFormat::Ics, true);
}

} // namespace

BENCHMARK(BM_ExportCenturyIcs)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);
BENCHMARK(BM_ExportCenturyDailyMarkdown)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);
BENCHMARK(BM_ImportCenturyIcsDryRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);
