#pragma once

#include "core/calendar/calendar.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

// Finding notes by their text. Every note of data/ is read once by the
// store's rules and kept in memory only folded (lower case, accents dropped,
// UTF-8), for a plain byte search per keystroke. Files are compared by size,
// times and inode at each check, so that the index follows notes saved by
// this program or changed outside it; it holds no copy of anything and can
// always be thrown away and built again from data/.

namespace plandeck {

// The text a note box shows for a note's bytes, decoded as the store decodes
// it. Searching and the cursor position of a match both count in this text.
QString searchedText(const QByteArray& bytes);

// The form in which text is compared: case-folded, decomposed, without
// non-spacing marks, as UTF-8.
QByteArray foldedText(QStringView text);

// The position in text of the character whose folded form holds byte
// foldedOffset of foldedText(text); text.size() past its end.
qsizetype unfoldedPosition(QStringView text, qsizetype foldedOffset);

// Where text first occurs in a note's text, compared folded, and the line
// that holds it, cut to about kShownLineLength characters around it. A note
// without the text (changed since it was searched) gives position 0 and its
// first line.
struct MatchInNote
{
    int position = 0;
    QString line;
};
inline constexpr qsizetype kShownLineLength = 160;
MatchInNote locateMatch(const QString& noteText, const QString& text);
// The same in the note of a date as the store reads it now; the line of a
// note that cannot be read is the reason.
MatchInNote locateMatch(const QDate& date, const QString& text);

// One row of a search: the date of a note holding the text, or of a note
// that could not be read and so was not searched.
struct NoteMatch
{
    QDate date;
    QString error; // why the note could not be read; empty when it was

    bool isReadable() const { return error.isEmpty(); }
    friend bool operator==(const NoteMatch&, const NoteMatch&) = default;
};

struct FoundNotes
{
    QList<NoteMatch> matches; // newest date first
    int matching = 0;         // rows that hold the text, not counting unreadable ones
};

class NoteIndex
{
public:
    // Called while files are looked at: names done so far and in all.
    // Returns false to stop; the index then stays as it was or as far as it
    // was read, and the next refresh goes on from there.
    using Progress = std::function<bool(int done, int total)>;

    // Brings the index in line with data/: lists it, reads new and changed
    // notes and forgets removed ones. True when anything changed.
    bool refresh(const Progress& progress = {});
    // Every note that holds the text, compared folded, and every note that
    // could not be read, newest first. Empty for text that folds to nothing.
    // Stops early, returning what it has, once cancelled() is true.
    FoundNotes find(const QString& text, const std::function<bool()>& cancelled = {}) const;

    // A refresh has run to its end at least once.
    bool isComplete() const { return m_complete; }
    qsizetype size() const { return qsizetype(m_notes.size()); }

private:
    struct Note
    {
        QDate date;
        // Size, times, device and inode of the file, hashed; 0 when it could
        // not be looked up, so that it is read again at each refresh.
        std::size_t stamp = 0;
        qsizetype folded = 0; // where its folded text starts in m_folded
    };

    void append(const Note& note, QByteArrayView folded, const QString& error);
    QByteArrayView foldedOf(std::size_t index) const;
    const QString* errorOf(std::size_t index) const;

    // Newest first.
    std::vector<Note> m_notes;
    // The folded texts of m_notes in the same order, each followed by a byte
    // that UTF-8 never holds, so that no match runs from one note into the
    // next and one pass searches them all.
    QByteArray m_folded;
    // The notes that could not be read, by index in m_notes, and why.
    std::vector<std::pair<std::size_t, QString>> m_unreadable;
    bool m_complete = false;
};

} // namespace plandeck
