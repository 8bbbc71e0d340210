#pragma once

#include "core/calendar/calendar.h"

#include <QString>

// The reminder digest: the notes of today's day and month in this year and
// every earlier year down to 1900, newest first, each earlier year under a
// heading. Line breaks are CR LF.

namespace plandeck {

// The digest shows at most this many bytes (characters) of each note, so
// that the reminder window lays out any note at once; a longer note is cut
// there and followed by a line giving its size.
inline constexpr qint64 kReminderNoteBytes = 16 * 1024;

// Empty text when no year has a note for this day. A note that exists but
// cannot be read is listed under its heading with the reason; when the data
// folder itself cannot be searched, the digest is one line saying so.
QString reminderDigest(Int16 day, Int16 month, Int16 year);

// "5-December-2007 Wednesday": the reminder window's caption.
QString reminderCaption(Int16 day, Int16 month, Int16 year);

} // namespace plandeck
