#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Putting a note and a copy of it back together, line by line, as a note box
// shows them: lines end at '\n'.

namespace plandeck {

// The note's lines, then the copy's lines that the note lacks, in the copy's
// order. A line the note holds n times covers n equal lines of the copy, so
// that blank lines and repeated items are neither lost nor doubled. A final
// line break is not a line of its own; the result ends with one when the
// note did.
QString keepBoth(const QString& note, const QString& copy);

// For each line of `lines`, whether `other` lacks it (counted as keepBoth
// counts): the lines to mark when two texts are shown side by side.
QList<bool> linesMissingFrom(const QStringList& lines, const QStringList& other);

// A text's lines as keepBoth sees them.
QStringList noteLines(const QString& text);

} // namespace plandeck
