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
// store's rules and kept in memory twice: as stored, and folded (lower case,
// accents dropped, UTF-8) for a plain byte search per keystroke. Files are
// compared by size, times and inode on each check, so that the index follows
// notes saved by this program or changed outside it; it can always be thrown
// away and built again from data/.

namespace plandeck {

// The text a note box shows for a note's bytes. Searching and the cursor
// position of a match both count in this text.
QString searchedText(const QByteArray& bytes);

// The form in which text is compared: case-folded, decomposed, without
// non-spacing marks, as UTF-8. Line feeds stay line feeds, so a match's line
// can be counted in the folded text.
QByteArray foldedText(QStringView text);

// The position in text of the character whose folded form holds byte
// foldedOffset of foldedText(text); text.size() past its end.
qsizetype unfoldedPosition(QStringView text, qsizetype foldedOffset);

// One row of a search: a note holding the text, or a note that could not be
// read and so was not searched.
struct NoteMatch
{
    QDate date;
    QByteArray bytes;           // the note as stored, shared with the index
    QString error;              // why the note could not be read; empty when it was
    qsizetype foldedOffset = 0; // where the first match starts in the folded text

    bool isReadable() const { return error.isEmpty(); }
    friend bool operator==(const NoteMatch&, const NoteMatch&) = default;
    // The line holding the first match, cut to about kShownLineLength
    // characters around the match; or the reason the note was not read.
    QString lineText() const;
    // Where the first match starts in the text the note box shows.
    int cursorPosition() const;
};

inline constexpr qsizetype kShownLineLength = 160;

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
    struct FileStamp
    {
        qint64 size = -1, modified = 0, changed = 0;
        quint64 device = 0, inode = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    struct Note
    {
        QDate date;
        FileStamp stamp; // size -1: could not be looked up; read again each time
        QByteArray bytes;
        QString error;
        qsizetype folded = 0; // where its folded text starts in m_folded
    };

    void append(Note note, QByteArrayView folded);
    QByteArrayView foldedOf(std::size_t index) const;

    // Newest first.
    std::vector<Note> m_notes;
    // The folded texts of m_notes in the same order, each followed by a byte
    // that UTF-8 never holds, so that no match runs from one note into the
    // next and one pass searches them all.
    QByteArray m_folded;
    std::vector<std::size_t> m_unreadable; // indexes of notes that could not be read
    bool m_complete = false;
};

} // namespace plandeck
