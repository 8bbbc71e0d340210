#include "core/reminder/onthisday.h"

#include "core/notes/notestore.h"
#include "core/reminder/digest.h"

#include <QCoreApplication>

namespace plandeck {

namespace {

// A row shows this many lines of its note.
constexpr int kRowLines = 3;

} // namespace

OnThisDay onThisDay(const QDate& day)
{
    OnThisDay found{day, {}, {}};
    for (int year = kLastOnThisDayYear; year >= kFirstOnThisDayYear; --year) {
        // QDate has no 29 February in a common year.
        const QDate date(year, day.month(), day.day());
        if (year == day.year() || !date.isValid()) {
            continue;
        }
        const NoteRead note =
            readNoteUpTo(Int16(date.day()), Int16(date.month()), Int16(year), kReminderNoteBytes);
        if (!note.isReadable()) {
            if (QString folderError = unsearchableDataFolder(); !folderError.isEmpty()) {
                found.folderError = folderError;
                found.rows.clear();
                return found;
            }
        } else if (note.bytes.isEmpty()) {
            continue;
        }
        found.rows.append({date, firstLines(reminderNoteText(note), kRowLines)});
    }
    return found;
}

QString yearsApart(const QDate& day, const QDate& other)
{
    const int years = other.year() - day.year();
    const int count = std::abs(years);
    if (years < 0) {
        return count == 1 ? QCoreApplication::translate("OnThisDay", "1 year before")
                          : QCoreApplication::translate("OnThisDay", "%1 years before").arg(count);
    }
    return count == 1 ? QCoreApplication::translate("OnThisDay", "1 year after")
                      : QCoreApplication::translate("OnThisDay", "%1 years after").arg(count);
}

} // namespace plandeck
