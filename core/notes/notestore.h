#pragma once

#include "core/calendar/calendar.h"

#include <QByteArray>
#include <QString>

// The day-note store: one file per date under data/, holding the note's
// bytes (Windows-1252 or UTF-8, see notetext.h) and nothing else. An empty
// note has no file. The store
// keeps no state and no cache; every call goes to the file system afresh.

namespace plandeck {

// What reading a note gave: the note's bytes (empty when the date has no
// note), or the reason it could not be read. A note that exists but cannot
// be read must never be mistaken for an empty one.
struct NoteRead
{
    QByteArray bytes;
    QString error;

    bool isReadable() const { return error.isEmpty(); }
};

// Success, or the reason a save or delete failed, in words for the user.
struct StoreResult
{
    QString error;

    bool isOk() const { return error.isEmpty(); }
};

// "data/2007-12-05.txt"; month and day below 10 get one leading zero, the
// year is written as it is.
QString GetFileName(Int16 day, Int16 month, Int16 year);

// Only a regular file (or a link to one) is a note; a directory, FIFO or
// socket with a note's name reads as no note and is never opened.
NoteRead GetData(Int16 day, Int16 month, Int16 year);

// Replaces the note atomically: the bytes go to a hidden file next to the
// note, which is synced and renamed over it, so the old note survives any
// failure. Creates data/ when needed. A link keeps pointing at its target and
// the file keeps its permission bits. Empty data deletes the note instead.
StoreResult UpdateData(Int16 day, Int16 month, Int16 year, const QByteArray& data);

// Removes the note's file; a date without a note is no error.
StoreResult DeleteData(Int16 day, Int16 month, Int16 year);

// The hidden file a save of this note writes before renaming it into place.
// Its name can never be taken for a note; a save after a crash reuses it.
QString savingFileName(const QString& noteFileName);

} // namespace plandeck
