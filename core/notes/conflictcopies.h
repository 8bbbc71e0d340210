#pragma once

#include "core/calendar/calendar.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// Copies of a day's note that sit beside it in data/ when two texts met:
// conflict copies a sync tool made, and the texts Plandeck kept when another
// program wrote a note being edited. Their names are built and recognised
// here and nowhere else; none of them is ever read as a note.

namespace plandeck {

enum class CopyKind {
    Syncthing, // 2026-12-06.sync-conflict-20261206-173516-6KXXKVO.txt
    Nextcloud, // 2026-12-06 (conflicted copy 2026-12-06 173516).txt
    OwnCloud,  // 2026-12-06_conflict-20261206-173516.txt
    Dropbox,   // 2026-12-06 (Anna's conflicted copy 2026-12-06).txt
    Kept,      // 2026-12-06.outside-20261206-173516.txt, 2026-12-06.txt.outside-20261206T173516
};

struct ConflictCopy
{
    QDate date; // the day whose note it is a copy of
    CopyKind kind;
    QString path; // "data/" + its name

    friend bool operator==(const ConflictCopy&, const ConflictCopy&) = default;
};

// The day and kind of a file name in data/, or nothing when the name is not
// a copy of a note (a note itself included).
std::optional<ConflictCopy> parseCopyName(const QString& fileName);

// The name of a text kept beside a note when another program wrote it:
// "data/2026-12-06.outside-20261206-173516.txt", with "-2", "-3" … before
// ".txt" for the second and later copy of the same second (n > 1).
QString keptCopyName(Int16 day, Int16 month, Int16 year, const QDateTime& when, int n = 1);

// The copies of one day's note in data/, oldest name first (names sort by
// the time they carry within a kind).
QList<ConflictCopy> conflictCopies(Int16 day, Int16 month, Int16 year);
// The copies of every day of a month, by date, then name: one look at data/.
QList<ConflictCopy> conflictCopiesOfMonth(Int16 month, Int16 year);
// The copies of this day and month in every year, by date, then name.
QList<ConflictCopy> conflictCopiesOnDay(Int16 day, Int16 month);
// Every copy in data/, by date, then name; for listing them beside notes.
QList<ConflictCopy> allConflictCopies();

// What a list says of a copy: "conflict copy (Syncthing)", "kept copy".
QString copyKindText(CopyKind kind);

// A day's note and one of its copies, side by side for settling: each read
// up to the largest note a cell edits; error says why when either cannot be
// read whole.
struct ConflictTexts
{
    QByteArray note;
    QByteArray copy;
    QString error;
};
ConflictTexts readConflict(Int16 day, Int16 month, Int16 year, const QString& copyPath);

} // namespace plandeck
