#include "core/reminder/digest.h"

#include "core/notes/conflictcopies.h"
#include "core/notes/notefilename.h"
#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "core/notes/posixfile.h"

#include <QCoreApplication>
#include <QDate>
#include <cerrno>
#include <optional>
#include <sys/stat.h>

namespace plandeck {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// A notification body lists at most this many notes.
constexpr int kNoticeLines = 20;

bool isAhead(const ReminderNote& note, const ReminderNotes& notes)
{
    // Earlier years share today's day and month.
    return note.year > notes.year || note.month != notes.month || note.day != notes.day;
}

QString headingOf(const ReminderNote& note, const ReminderNotes& notes)
{
    if (!isAhead(note, notes) && note.year == notes.year) {
        return {};
    }
    if (!isAhead(note, notes) && note.year == notes.year - 1) {
        return kLineBreak + kLineBreak +
               QCoreApplication::translate("Reminder", "Last year on this day:") + kLineBreak;
    }
    return kLineBreak + kLineBreak + dayHeading(note.day, note.month, note.year) +
           QLatin1Char(':') + kLineBreak;
}

} // namespace

// When no note can be looked up because the data folder cannot be searched,
// one line says so instead of one per year.
QString unsearchableDataFolder()
{
    struct stat st
    {
    };
    if (::stat("data/.", &st) == 0) {
        return {};
    }
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) {
        return {};
    }
    return QCoreApplication::translate("Reminder",
                                       "(No note can be read: cannot search the folder data: %1)")
        .arg(errorText(error));
}

namespace {

// One line for each conflict copy of the day's note in that year, each
// after a line break; listed, never read as a note.
QString copyLines(const QList<ConflictCopy>& copies, int year)
{
    QString lines;
    for (const ConflictCopy& copy : copies) {
        if (copy.date.year() == year) {
            lines +=
                kLineBreak + QCoreApplication::translate("Reminder", "(Beside this note, a %1: %2)")
                                 .arg(copyKindText(copy.kind), copy.path);
        }
    }
    return lines;
}

} // namespace

QString reminderNoteText(const NoteRead& note)
{
    if (!note.isReadable()) {
        return QCoreApplication::translate("Reminder", "(This note could not be read. %1)")
            .arg(note.error);
    }
    if (note.complete) {
        return noteText(note.bytes);
    }
    QString text = noteText(withoutCutSequence(note.bytes));
    // A cut between CR and LF would leave a lone CR.
    if (text.endsWith(QLatin1Char('\r'))) {
        text.chop(1);
    }
    return text + kLineBreak +
           QCoreApplication::translate(
               "Reminder", "(This note has %1 bytes in all; the rest is not shown here.)")
               .arg(note.fileSize);
}

ReminderNotes reminderNotes(Int16 day, Int16 month, Int16 year, int daysAhead)
{
    ReminderNotes found{day, month, year, {}, {}};
    // Looked up at the first note of a day: a day without notes costs no
    // folder listing, and the start-up check, which looks for notes alone,
    // never misses a reminder with something to show.
    std::optional<QList<ConflictCopy>> todaysCopies;
    auto copiesBeside = [&](Int16 d, Int16 m, Int16 y) {
        if (d != day || m != month) {
            return copyLines(conflictCopiesOnDay(d, m), y);
        }
        if (!todaysCopies) {
            todaysCopies = conflictCopiesOnDay(d, m);
        }
        return copyLines(*todaysCopies, y);
    };
    auto take = [&found, &copiesBeside](Int16 d, Int16 m, Int16 y) {
        const NoteRead note = readNoteUpTo(d, m, y, kReminderNoteBytes);
        if (!note.isReadable()) {
            if (QString folderError = unsearchableDataFolder(); !folderError.isEmpty()) {
                found.notes.clear();
                found.folderError = folderError;
                return false;
            }
        } else if (note.bytes.isEmpty()) {
            return true;
        }
        found.notes.append({d, m, y, reminderNoteText(note) + copiesBeside(d, m, y)});
        return true;
    };
    for (int k = year; k >= kFirstReminderYear; --k) {
        if (!take(day, month, Int16(k))) {
            return found;
        }
    }
    const QDate today(year, month, day);
    for (int k = 1; k <= std::min(daysAhead, kMostDaysAhead) && today.isValid(); ++k) {
        const QDate date = today.addDays(k);
        if (!take(Int16(date.day()), Int16(date.month()), Int16(date.year()))) {
            return found;
        }
    }
    return found;
}

QString reminderDigest(const ReminderNotes& notes)
{
    if (!notes.folderError.isEmpty()) {
        return notes.folderError;
    }
    QString digest;
    for (const ReminderNote& note : notes.notes) {
        digest += headingOf(note, notes) + note.text;
    }
    return digest;
}

QString reminderDigest(Int16 day, Int16 month, Int16 year, int daysAhead)
{
    return reminderDigest(reminderNotes(day, month, year, daysAhead));
}

QString reminderCaption(Int16 day, Int16 month, Int16 year)
{
    return dayHeading(day, month, year);
}

QString firstLines(const QString& text, int count)
{
    QStringList lines;
    // trimmed() takes the CR of a CR LF along.
    for (const QStringView line : QStringView(text).tokenize(QLatin1Char('\n'))) {
        if (lines.size() == count) {
            break;
        }
        if (const QString trimmed = line.trimmed().toString(); !trimmed.isEmpty()) {
            lines.append(trimmed);
        }
    }
    return lines.join(QStringLiteral(" / "));
}

ReminderNotice reminderNotice(const ReminderNotes& notes)
{
    const QString day = reminderCaption(notes.day, notes.month, notes.year);
    if (!notes.folderError.isEmpty()) {
        return {day, notes.folderError};
    }
    const qsizetype count = notes.notes.size();
    ReminderNotice notice{
        count == 1 ? QCoreApplication::translate("Reminder", "%1: 1 note").arg(day)
                   : QCoreApplication::translate("Reminder", "%1: %2 notes").arg(day).arg(count),
        {}};
    QStringList lines;
    for (const ReminderNote& note : notes.notes) {
        if (lines.size() == kNoticeLines) {
            lines.append(
                QCoreApplication::translate("Reminder", "(and %1 more)").arg(count - kNoticeLines));
            break;
        }
        QString label;
        if (isAhead(note, notes)) {
            label = dayHeading(note.day, note.month, note.year);
        } else if (note.year == notes.year) {
            label = QCoreApplication::translate("Reminder", "Today");
        } else {
            label = QString::number(note.year);
        }
        lines.append(label + QStringLiteral(": ") + firstLines(note.text, 1));
    }
    notice.body = lines.join(QLatin1Char('\n'));
    return notice;
}

} // namespace plandeck
