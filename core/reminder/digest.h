#pragma once

#include "core/calendar/calendar.h"

#include <QList>
#include <QString>

// The reminder digest: the notes of today's day and month in this year and
// every earlier year down to 1900, newest first, each earlier year under a
// heading; when asked, then the notes of the days ahead, each under its date.
// Line breaks are CR LF.

namespace plandeck {

struct NoteRead;

// The digest shows at most this many bytes (characters) of each note, so
// that the reminder window lays out any note at once; a longer note is cut
// there and followed by a line giving its size.
inline constexpr qint64 kReminderNoteBytes = 16 * 1024;

// A reminder shows the notes of at most this many days ahead.
inline constexpr int kMostDaysAhead = 366;

// One note of a reminder: its date and its text as the digest shows it (the
// reason, when it cannot be read).
struct ReminderNote
{
    Int16 day, month, year;
    QString text;
};

// The notes of a reminder run for today (day, month, year).
struct ReminderNotes
{
    Int16 day, month, year;
    // Today's, the earlier years' newest first, then the days ahead in order.
    QList<ReminderNote> notes;
    // When the data folder itself cannot be searched, the one line saying so
    // stands for every note.
    QString folderError;

    bool isEmpty() const { return notes.isEmpty() && folderError.isEmpty(); }
};

ReminderNotes reminderNotes(Int16 day, Int16 month, Int16 year, int daysAhead = 0);

// The note as a reminder shows it: its first kReminderNoteBytes and a line
// giving the size of a longer note, or the reason it could not be read.
QString reminderNoteText(const NoteRead& note);

// The line saying that data/ cannot be searched; empty when it can, or does
// not exist.
QString unsearchableDataFolder();

// Empty text when no year has a note for this day and no day ahead has one.
// A note that exists but cannot be read is listed under its heading with the
// reason; when the data folder itself cannot be searched, the digest is one
// line saying so.
QString reminderDigest(const ReminderNotes& notes);
QString reminderDigest(Int16 day, Int16 month, Int16 year, int daysAhead = 0);

// "5-December-2007 Wednesday": the reminder window's caption.
QString reminderCaption(Int16 day, Int16 month, Int16 year);

// The first `count` lines of a text that hold more than blanks, trimmed and
// joined by " / ": a note in one row.
QString firstLines(const QString& text, int count);

// The reminder as a desktop notification: the day and how many notes in the
// summary, one line a note in the body.
struct ReminderNotice
{
    QString summary;
    QString body;
};
ReminderNotice reminderNotice(const ReminderNotes& notes);

} // namespace plandeck
