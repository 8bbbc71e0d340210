#pragma once

#include "core/notes/notefilename.h"

#include <QByteArray>
#include <QString>

// One note file as every reader sees it: looked up without opening it, and
// read up to a bound, so that no note of any size costs more than the reader
// asked for. A folder, FIFO, socket or broken link with a note's name is no
// note and is never opened; nor is a link to a file not named like a note.

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

// What a look-up of a note's name found: the kind, and for a note its stamp
// and size; for a failed look-up the reason, in words for the user.
struct NoteLookup
{
    NoteFileKind kind = NoteFileKind::Missing;
    NoteStamp stamp;
    QString error;

    bool isNote() const { return kind == NoteFileKind::Note; }
    qint64 size() const { return stamp.size; }
};

// What reading a note gave: the note's bytes (empty when there is no note),
// or the reason it could not be read. A note that exists but cannot be read
// must never be mistaken for an empty one.
struct NoteRead
{
    QByteArray bytes;
    QString error;
    // The whole note's size in bytes. When only the start of the note was
    // asked for, complete is false and fileSize is more than bytes.size().
    qint64 fileSize = 0;
    bool complete = true;
    // The state of the file that was read (or failed to read), taken before
    // reading it: a change while reading shows as one more change.
    NoteStamp stamp{};

    bool isReadable() const { return error.isEmpty(); }
};

// Whether the link at this path leads to a file named like a note
// (2007-12-05.txt), wherever it lies; only such a link is followed.
bool linksToANote(const QByteArray& link);

// Looks the note file up without opening it (stat only). A link that leads
// to a regular file of another name is Unreadable: it is never read, written
// or deleted.
NoteLookup lookUpNote(const QString& path);

// Reads at most byteLimit bytes from the start of the note file at path; a
// limit of 0 reads nothing and tells the size alone.
NoteRead readNoteFile(const QString& path, qint64 byteLimit);

} // namespace plandeck
