#pragma once

#include "core/calendar/calendar.h"

#include <QString>

// The reminder digest: the notes of today's day and month in this year and
// every earlier year down to 1900, newest first, each earlier year under a
// heading. Line breaks are CR LF.

namespace plandeck {

// Empty text when no year has a note for this day. A note that exists but
// cannot be read is listed under its heading with the reason.
QString reminderDigest(Int16 day, Int16 month, Int16 year);

// "5-December-2007 Wednesday": the reminder window's caption.
QString reminderCaption(Int16 day, Int16 month, Int16 year);

} // namespace plandeck
