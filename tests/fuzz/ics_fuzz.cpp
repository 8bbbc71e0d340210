// Any bytes as a calendar file to import: either a reason, or notes on
// valid dates in order, one a day; and the notes read, of the planner's
// years, come back unchanged through the planner's own export.
#include "core/exchange/exchange.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const plandeck::ImportedNotes read =
        plandeck::readIcs(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (qsizetype i = 0; i < read.notes.size(); ++i) {
        if (!read.notes[i].date.isValid() ||
            (i > 0 && read.notes[i - 1].date >= read.notes[i].date)) {
            std::abort();
        }
    }
    // The planner exports only the days of its years.
    QList<plandeck::DayNote> planned = read.notes;
    planned.removeIf(
        [](const plandeck::DayNote& note) { return !plandeck::isPlannerDate(note.date); });
    if (plandeck::readIcs(plandeck::icsCalendar(planned, false)).notes != planned) {
        std::abort();
    }
    return 0;
}
