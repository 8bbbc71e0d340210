#pragma once

#include "core/calendar/calendar.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

class QRandomGenerator;

// The month report: an HTML page with every note of a month, each under its
// day's heading, written to temp/report-<32 letters>.htm one byte per
// character: Windows-1252, and a decimal character reference (&#321;) for a
// character outside it, so a page of Windows-1252 notes is as it always was.

namespace plandeck {

// A note made safe for HTML, in seven replacements applied in this order:
// & first (so later entities stay intact), tab, two blanks, ", >, <, and CR LF
// last (so its <br> survives the escaping of <).
QByteArray escapeNote(const QByteArray& note);
void appendEscapedNote(QByteArray& html, QByteArrayView note);

// A report holds at most the first 4 MiB of each note (every note a cell can
// edit, whole), and at most about 16 MiB of HTML for it, whatever its bytes
// grow into; a note cut short is followed by a line giving its size. So no
// note makes a report take more than a fraction of a second or a few dozen MB.
inline constexpr qint64 kReportNoteBytes = 4 * 1024 * 1024;
inline constexpr qsizetype kReportNoteHtmlBytes = 16 * 1024 * 1024;

// "<hr><b>5-December-2007 Wednesday</b><br>"
QByteArray reportHeading(Int16 day, Int16 month, Int16 year);

struct ReportPage
{
    QByteArray html;
    QString error; // set when a note could not be read; html is then empty
};

// The whole page of a month, reading each day's note from the store.
ReportPage buildReport(Int16 month, Int16 year);

// The start of a day's note as the printed month shows it in its cell: at
// most 16 KiB of it (more would not fit on a page), or why it cannot be read.
QString printedNote(Int16 day, Int16 month, Int16 year);

// A whole number from Low to High inclusive, drawn from the generator.
std::int32_t Rand(std::int32_t Low, std::int32_t High, QRandomGenerator& generator);

// "temp/report-" + 32 capital letters + ".htm"
QString reportFileName(QRandomGenerator& generator);

struct ReportFile
{
    QString path; // relative path of the written report
    QString error;
};

// Creates temp/ when needed and writes the page to a new file of a freshly
// drawn name; never overwrites or follows an existing file or link. A failed
// write removes the partial file.
ReportFile writeReport(const QByteArray& html, QRandomGenerator& generator);

// Deletes the reports this copy of the program wrote, and any older than a
// day: regular files named as reportFileName makes them (report-, 32 capital
// letters, .htm) in temp/. Another running copy's fresh report stays, as do
// anything else and files that cannot be deleted. Returns the number deleted.
int cleanUpReports(const QDateTime& now = QDateTime::currentDateTime());

} // namespace plandeck
