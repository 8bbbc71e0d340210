#pragma once

#include "core/calendar/calendar.h"
#include "windows/services.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTemporaryDir>

// What every benchmark shares: a fresh, empty working folder of its own, made
// the current folder while it lives, and day notes written straight into its
// data/ folder, as the store would name them.

namespace plandeck::bench {

// The date every benchmark takes for today.
inline const QDate kToday{2026, 3, 15};

// The large note of the benchmarks: the largest a note box still edits.
inline constexpr qsizetype kLargeNoteSize = 4 * 1024 * 1024;

class BenchFolder
{
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    // False when the folder could not be created or entered.
    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    bool m_valid = false;
};

enum class NoteKind {
    Plain,  // words and CR LF line breaks
    Markup, // also tabs, double blanks and the characters <, >, & and "
};

// A note of exactly `size` bytes: lines of 40 to 80 characters separated by
// CR LF. The same seed always gives the same note.
QByteArray makeNote(qsizetype size, NoteKind kind, quint32 seed);

// Writes the note's file under data/ of the current folder; false on failure.
bool writeNote(Int16 day, Int16 month, Int16 year, const QByteArray& bytes);

// A note of `size` bytes on every day of the month; false on failure.
bool fillMonth(Int16 month, Int16 year, qsizetype size, NoteKind kind = NoteKind::Plain);

// A note of `size` bytes on each of `days` days from 1 January 1926 (36,500
// days reach into December 2025); the note of 17 May 1961 begins with "the
// quokka visit", a text no other note holds. False on failure.
bool fillDays(int days, qsizetype size);

// Services with kToday and messages, questions and browsers that do nothing;
// each warning is counted in *warnings when given, so that a benchmark can
// tell a failed save from a fast one.
Services quietServices(int* warnings = nullptr);

} // namespace plandeck::bench
