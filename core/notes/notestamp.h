#pragma once

#include "core/calendar/calendar.h"

#include <QtGlobal>

// Telling whether a note's file has changed since it was read, without
// reading it again.

namespace plandeck {

// What identifies one state of a note's file: any write, replacement or
// removal changes it. Compared, never interpreted; all zero for no note.
struct NoteStamp
{
    qint64 device = 0;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;  // nanoseconds

    bool operator==(const NoteStamp&) const = default;
};

// The stamp of the note's file now, without opening it. Only a regular file
// is a note, as for GetData.
NoteStamp noteStamp(Int16 day, Int16 month, Int16 year);

} // namespace plandeck
