#pragma once

#include "core/notes/notestore.h"

// Reading only the beginning of a note, so that a very large note costs no
// more to show than its first lines, and telling whether a note's file has
// changed since it was read without reading it again.

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

// The first bytes of a note, the size of its whole file and the stamp of the
// file they were read from.
struct NoteHead
{
    NoteRead read; // at most the limit's bytes, or why the note could not be read
    qint64 size = 0;
    NoteStamp stamp;

    bool isWhole() const { return read.bytes.size() == size; }
};

// Reads at most `limit` bytes of the note, as GetData reads it all: only a
// regular file is a note, and one that cannot be read says why.
NoteHead GetDataHead(Int16 day, Int16 month, Int16 year, qint64 limit);

// The stamp of the note's file now, without opening it.
NoteStamp noteStamp(Int16 day, Int16 month, Int16 year);

} // namespace plandeck
