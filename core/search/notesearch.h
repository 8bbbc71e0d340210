#pragma once

#include "core/calendar/calendar.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QThread;

// Finding notes by their text. Every note of data/ is read once by the
// store's rules, at most its first kSearchedBytes, and kept in memory only
// folded (lower case, accents dropped, UTF-8), for a plain byte search per
// keystroke. Files are compared by their stamps at each check, so that the
// index follows notes saved by this program or changed outside it. A copy of
// the index is kept in the user's cache folder between sessions; it is only a
// head start, checked against every note's stamp before it is used, and can
// always be thrown away and built again from data/.

namespace plandeck {

// How much of a note is searched, as much as a report holds of it.
inline constexpr qint64 kSearchedBytes = 4 * 1024 * 1024;

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

// One row of a search: the date of a note holding the text, or of a note
// that could not be read and so was not searched. Line and position are
// filled in by describeMatch, away from the window's thread.
struct NoteMatch
{
    QDate date;
    QString error;     // why the note could not be read; empty when it was
    qint64 size = 0;   // the file's size when only its first kSearchedBytes were searched
    int position = -1; // the match's cursor position; -1 until described
    QString line;      // the line shown for the row

    bool isReadable() const { return error.isEmpty(); }
    bool isDescribed() const { return position >= 0; }
    friend bool operator==(const NoteMatch&, const NoteMatch&) = default;
};

// Reads the note of match.date as it is now (at most kSearchedBytes) and
// fills in the line and cursor position of text in it; an unreadable note's
// line gives the reason, a note larger than what is searched says its size.
void describeMatch(NoteMatch& match, const QString& text);

// The thread of the window Find serves, or none: debug builds stop when a
// note is looked at there.
void setWindowThread(const QThread* thread);

// The date of a note's file name ("2007-12-05.txt"); invalid for any other
// name.
QDate noteDateOfName(std::string_view fileName);

struct FoundNotes
{
    QList<NoteMatch> matches; // newest date first
    int matching = 0;         // rows that hold the text, not counting unreadable ones
};

// A note's date and the stamp of its file when it was looked at.
struct ListedNote
{
    qint64 julianDay = 0;
    quint64 stamp = 0;
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
    // Looks again at the notes of these dates only, as a folder watch
    // reports them. True when anything changed.
    bool update(const QList<QDate>& dates);
    // Every note that holds the text, compared folded, and every note that
    // could not be read, newest first. Empty for text that folds to nothing.
    // Stops early, returning what it has, once cancelled() is true.
    FoundNotes find(const QString& text, const std::function<bool()>& cancelled = {}) const;

    // The copy of the index kept between sessions for this working folder:
    // $XDG_CACHE_HOME/plandeck/find-<digest of the folder's path>.idx, never
    // inside data/; empty when there is no such place.
    static QString cacheFileName();
    // Takes the index from the file when it is whole and was written for
    // this working folder; then a refresh checks it against the notes. False
    // (the index unchanged) for a missing, damaged or foreign file.
    bool load(const QString& fileName);
    // Writes the index to the file, replacing it as a whole.
    bool save(const QString& fileName) const;
    // Takes the index from the file just saved, keeping whether it is
    // complete: its texts then live in the page cache instead of memory.
    bool adopt(const QString& fileName);

    // While a refresh builds years on the heap, every kSpillBytes of them
    // are written to this file and searched from there, so that the first
    // reading never holds more than that in memory. Empty: never.
    static constexpr qsizetype kSpillBytes = 16 * 1024 * 1024;
    void setSpillFile(const QString& fileName, qsizetype bytes = kSpillBytes)
    {
        m_spillFile = fileName;
        m_spillBytes = bytes;
    }

    // A refresh has run to its end at least once.
    bool isComplete() const { return m_complete; }
    qsizetype size() const;

private:
    // Kept without padding: the cache file holds these as they are.
    struct Note
    {
        qint32 julianDay = 0;
        quint32 folded = 0; // where its folded text starts in the year's buffer
        // The file's stamp, hashed; 0 when it could not be looked up, so
        // that it is read again at each refresh.
        quint64 stamp = 0;
        qint64 size = 0; // the file's size when more than what was searched, else 0
    };
    // The notes of one year, newest first; a change rebuilds only its year,
    // so that the index never needs twice its memory.
    struct Year
    {
        int year = 0;
        std::vector<Note> notes;
        // The folded texts of notes in the same order, each followed by a
        // byte that UTF-8 never holds, so that no match runs from one note
        // into the next and one pass searches them all.
        QByteArray folded;
        // The notes that could not be read, by index in notes, and why.
        std::vector<std::pair<quint32, QString>> unreadable;
        // folded is a part of the kept index's mapping, read-only.
        bool mapped = false;

        void append(const Note& note, QByteArrayView text, const QString& error);
        QByteArrayView foldedOf(std::size_t index) const;
        const QString* errorOf(std::size_t index) const;
    };
    static void readInto(Year& year, qint64 julianDay, quint64 stamp);
    // Makes the index's year hold the listed notes from..to, reading those
    // whose stamp differs; false when step() stopped it.
    bool rebuild(int year, const std::vector<ListedNote>& listed, std::size_t from, std::size_t to,
                 const std::function<bool()>& step);
    Year* yearOf(int year);

    // The kept index, mapped read-only: the years taken from it search its
    // pages directly and hand them back after each search, so that the
    // texts count as page cache, not as the program's memory.
    struct Mapping
    {
        Mapping(void* at, std::size_t bytes) : address(at), size(bytes) {}
        ~Mapping();
        Mapping(const Mapping&) = delete;
        Mapping& operator=(const Mapping&) = delete;
        void* address;
        std::size_t size;
    };

    // Before m_years, so that it outlives the years that point into it.
    std::shared_ptr<const Mapping> m_mapping;
    std::vector<Year> m_years; // newest first
    QString m_spillFile;
    qsizetype m_spillBytes = kSpillBytes;
    bool m_complete = false;
};

} // namespace plandeck
