#pragma once

#include "core/calendar/calendar.h"
#include "core/notes/notefile.h"

#include <QByteArray>
#include <QString>

// The day-note store: one file per date under data/, holding the note's
// bytes (Windows-1252 or UTF-8, see notetext.h) and nothing else. An empty
// note has no file. The store
// keeps no state and no cache; every call goes to the file system afresh.

namespace plandeck {

// Success, or the reason a save or delete failed, in words for the user.
struct StoreResult
{
    QString error;
    // Set when a save or delete kept text written by someone else under a
    // name of its own (see UpdateData): the kept file's path, for the user.
    QString keptFile{};

    bool isOk() const { return error.isEmpty(); }
};

// "data/2007-12-05.txt"; month and day below 10 get one leading zero, the
// year is written as it is.
QString GetFileName(Int16 day, Int16 month, Int16 year);

// The whole note, by readNoteFile's rules.
NoteRead GetData(Int16 day, Int16 month, Int16 year);

// As GetData, but reads at most byteLimit bytes from the start of the note,
// so that a note of any size costs at most that much time and memory. A limit
// of 0 reads nothing and tells the size alone.
NoteRead readNoteUpTo(Int16 day, Int16 month, Int16 year, qint64 byteLimit);

// Replaces the note atomically: the bytes go to a hidden file next to the
// note, created afresh (nothing already at that name is ever written
// through), which is synced and renamed over it, so the old note survives any
// failure. Creates data/ when needed. A link keeps pointing at its target and
// the file keeps its permission bits. Empty data deletes the note instead.
//
// Two copies of the program never save or delete the same note at once: the
// work is done under a lock on a hidden file next to the note; a copy waits
// for it at most two seconds and then fails with a reason.
//
// expected, when given, is what the caller last read from or wrote to the
// note (empty: no note). The new file then takes the note's place in one
// step (renameat2 swapping the two names), and what came out is looked at:
// should it hold other bytes, neither those nor the new data, someone else
// wrote them, whenever that was: they are kept under the note's date followed
// by ".outside-", the local time and ".txt" (2007-12-05.outside-20071205-
// 101530.txt, with "-2", "-3" … before ".txt" when taken), beside the note,
// and keptFile names that file. A kept file appears under its name only
// whole. Where the file system cannot swap, the note is compared first and
// then replaced. All this is done under the lock, so another copy of the
// program saving the same day is caught alike. No name of that form, nor the
// older "2007-12-05.txt.outside-…", is ever read as a note.
StoreResult UpdateData(Int16 day, Int16 month, Int16 year, const QByteArray& data,
                       const QByteArray* expected = nullptr);

// Removes the note's file; a date without a note is no error, a note that
// cannot be looked up is. expected is as for UpdateData: outside text is kept
// before the note goes.
StoreResult DeleteData(Int16 day, Int16 month, Int16 year, const QByteArray* expected = nullptr);

// The hidden file a save of this note writes before renaming it into place.
// Its name can never be taken for a note; a save after a crash replaces it.
QString savingFileName(const QString& noteFileName);

} // namespace plandeck
