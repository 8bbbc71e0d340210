#include "core/reminder/digest.h"

#include "core/notes/notestore.h"
#include "core/notes/notetext.h"

namespace plandeck {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString headingOf(Int16 day, Int16 month, Int16 year, Int16 today)
{
    if (year == today) {
        return {};
    }
    if (year == today - 1) {
        return kLineBreak + kLineBreak + QStringLiteral("Last year on this day:") + kLineBreak;
    }
    return kLineBreak + kLineBreak + dayHeading(day, month, year) + QLatin1Char(':') + kLineBreak;
}

} // namespace

QString reminderDigest(Int16 day, Int16 month, Int16 year)
{
    QString digest;
    for (int k = year; k >= kFirstReminderYear; --k) {
        const NoteRead note = GetData(day, month, Int16(k));
        if (!note.isReadable()) {
            digest += headingOf(day, month, Int16(k), year) +
                      QStringLiteral("(This note could not be read. %1)").arg(note.error);
        } else if (!note.bytes.isEmpty()) {
            digest += headingOf(day, month, Int16(k), year) + noteText(note.bytes);
        }
    }
    return digest;
}

QString reminderCaption(Int16 day, Int16 month, Int16 year)
{
    return dayHeading(day, month, year);
}

} // namespace plandeck
