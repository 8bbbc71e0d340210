#include "core/reminder/digest.h"

#include "core/notes/conflictcopies.h"
#include "core/notes/notefilename.h"
#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "core/notes/posixfile.h"

#include <QCoreApplication>
#include <cerrno>
#include <optional>
#include <sys/stat.h>

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
    return QStringLiteral("(No note can be read: cannot search the folder data: %1)")
        .arg(errorText(error));
}

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

QString reminderDigest(Int16 day, Int16 month, Int16 year)
{
    QString digest;
    // Looked up at the first note: a day without notes costs no folder listing.
    std::optional<QList<ConflictCopy>> copies;
    for (int k = year; k >= kFirstReminderYear; --k) {
        const qsizetype before = digest.size();
        const NoteRead note = readNoteUpTo(day, month, Int16(k), kReminderNoteBytes);
        if (!note.isReadable()) {
            if (const QString folderError = unsearchableDataFolder(); !folderError.isEmpty()) {
                return folderError;
            }
            digest += headingOf(day, month, Int16(k), year) +
                      QStringLiteral("(This note could not be read. %1)").arg(note.error);
        } else if (!note.bytes.isEmpty()) {
            digest += headingOf(day, month, Int16(k), year) +
                      noteText(note.complete ? note.bytes : withoutCutSequence(note.bytes));
            if (!note.complete) {
                // A cut between CR and LF would leave a lone CR.
                if (digest.endsWith(QLatin1Char('\r'))) {
                    digest.chop(1);
                }
                digest += kLineBreak +
                          QStringLiteral("(This note has %1 bytes in all; the rest is not shown "
                                         "here.)")
                              .arg(note.fileSize);
            }
        }
        // Beside a note only: the start-up check, which looks for notes
        // alone, must never miss a reminder with something to show.
        if (digest.size() > before) {
            if (!copies) {
                copies = conflictCopiesOnDay(day, month);
            }
            digest += copyLines(*copies, k);
        }
    }
    return digest;
}

QString reminderCaption(Int16 day, Int16 month, Int16 year)
{
    return dayHeading(day, month, year);
}

} // namespace plandeck
