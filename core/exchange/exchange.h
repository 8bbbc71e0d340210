#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Notes to and from other programs: calendars (iCalendar, RFC 5545), one
// Markdown file, and folders of daily notes as journal programs keep them.
// A note travels as its text with '\n' line breaks, exactly as a note box
// shows it; the store's bytes and line ends stay the store's business.

namespace plandeck {

// The years the planner shows; nothing outside them is exported or imported.
inline constexpr int kFirstPlannerYear = 1900;
inline constexpr int kLastPlannerYear = 2099;
bool isPlannerDate(const QDate& date);

enum class ExchangeFormat { Ics, Markdown, DailyMarkdown };
// "ics", "md" or "daily-md"; nothing for any other name.
std::optional<ExchangeFormat> exchangeFormat(const QString& name);

struct DayNote
{
    QDate date;
    QString text;
    friend bool operator==(const DayNote&, const DayNote&) = default;
};

// Every note from `from` to `to`, oldest first, as the store reads it; a note
// that cannot be read stops the collecting with the reason.
struct CollectedNotes
{
    QList<DayNote> notes;
    QString error;
};
CollectedNotes collectNotes(const QDate& from, const QDate& to);

// An iCalendar file of the notes: an all-day event per note (its first
// line as summary, the whole note as description) or, for `journal`, a
// journal entry. Each date has its own UID, the same at every export, so a
// calendar that takes the file again updates its entries.
QByteArray icsCalendar(const QList<DayNote>& notes, bool journal);
// One Markdown file: a heading per day, the note under it.
QByteArray markdownNotes(const QList<DayNote>& notes);
// A daily note file's bytes: the text in UTF-8, LF line ends, ending in one
// line break.
QByteArray dailyNoteBytes(const QString& text);

// What a calendar file or a folder of daily notes holds, one entry per date
// (several entries of a day joined in time order), oldest first.
struct ImportedNotes
{
    QList<DayNote> notes;
    int undated = 0; // journal entries without a date, which no day can take
    QString error;   // why the source cannot be read at all
};
// Events give their time (when they have one) and summary, then their
// description; journal entries their summary and description. A description
// that repeats the summary as its first line stands alone, so a note
// exported by the planner comes back as it was.
ImportedNotes readIcs(const QByteArray& bytes);
// YYYY-MM-DD.md or .txt files anywhere in the folder, and DD.md or .txt
// files in YYYY/MM folders. One final line break of a file is not part of
// the note.
ImportedNotes readDailyNotes(const QString& folder);
// A file ending in .ics, or a folder of daily notes.
ImportedNotes readImportSource(const QString& path);

struct ExportRequest
{
    QDate from;
    QDate to;
    ExchangeFormat format = ExchangeFormat::Ics;
    bool journal = false;
    QString path; // the file, or for daily-md the folder
};

struct ExchangeResult
{
    QStringList lines; // what was done, for the user, one line each
    QString error;     // set when nothing was done, and why
    bool isOk() const { return error.isEmpty(); }
};

// Checks the request and reads every note first; writes only when all is well.
ExchangeResult exportNotes(const ExportRequest& request);

// Appends each imported day's text to the day's note through the store's
// safe save (its lock and outside-change rule); a note already holding the
// text is skipped, so importing twice changes nothing. A dry run writes
// nothing and says what would change. The last line counts the days changed
// and skipped, and why.
ExchangeResult importNotes(const QString& path, bool dryRun);

} // namespace plandeck
