#include "core/report/report.h"

#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "core/notes/posixfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandeck {

namespace {

const QString kTempFolder = QStringLiteral("temp");
constexpr char kPageStart[] = "<html><head></head><body>";
constexpr char kPageEnd[] = "</body></html>";
constexpr int kNameLetters = 32;

// The reports this process wrote: closing deletes them, and leaves another
// running copy's reports alone until they are a day old.
struct WrittenReports
{
    QMutex mutex;
    QSet<QString> paths;
};
WrittenReports& writtenReports()
{
    static WrittenReports written;
    return written;
}

// A float from 0 up to but not including 1. Converting a double to float can
// round 0.99999999 up to 1.0, which would give High + 1, so take 24 bits.
float nextUnitFloat(QRandomGenerator& generator)
{
    return float(generator.generate() >> 8) * (1.0f / 16777216.0f);
}

bool isReportFileName(const QString& name)
{
    static const QRegularExpression pattern(
        QStringLiteral("\\Areport-[A-Z]{%1}\\.htm\\z").arg(kNameLetters));
    return pattern.match(name).hasMatch();
}

// A character Windows-1252 holds goes in as its byte, escaped as a note is
// when asked; any other as a decimal character reference, made after the
// escaping so that its & stays. The escaping sees each run of Windows-1252
// characters whole: what it pairs (blanks, CR LF) are ASCII characters, which
// no reference ever separates.
void appendPageText(QByteArray& html, QStringView text, bool escape)
{
    QByteArray run;
    run.reserve(text.size());
    const auto flush = [&] {
        if (escape) {
            appendEscapedNote(html, run);
        } else {
            html += run;
        }
        run.clear();
    };
    for (const char32_t codePoint : text.toUcs4()) {
        const int byte = windows1252Byte(codePoint);
        if (byte >= 0) {
            run += char(byte);
        } else {
            flush();
            html += "&#" + QByteArray::number(quint32(codePoint)) + ';';
        }
    }
    flush();
}

} // namespace

void appendEscapedNote(QByteArray& html, QByteArrayView note)
{
    // One pass that gives the same bytes as the seven replacements applied in
    // turn: none of them creates text that a later one would match, so each
    // byte of the note can be decided on its own (pairs of blanks and CR LF
    // pairs taken from the left).
    const char* const begin = note.constData();
    const char* const end = begin + note.size();
    const char* plain = begin; // start of the bytes not yet copied
    for (const char* p = begin; p < end; ++p) {
        const char* replacement = nullptr;
        const char* next = p + 1;
        switch (*p) {
        case '&':
            replacement = "&amp;";
            break;
        case '\t':
            replacement = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
            break;
        case '"':
            replacement = "&quot;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '<':
            replacement = "&lt;";
            break;
        case ' ':
            if (next < end && *next == ' ') {
                replacement = "&nbsp; ";
                ++next;
            }
            break;
        case '\r':
            if (next < end && *next == '\n') {
                replacement = "<br>";
                ++next;
            }
            break;
        default:
            break;
        }
        if (replacement != nullptr) {
            html.append(plain, p - plain).append(replacement);
            plain = next;
            p = next - 1;
        }
    }
    html.append(plain, end - plain);
}

namespace {

// Where a slice of a note may end: not between the two blanks or the CR LF
// that the escaping replaces as a pair, nor between the halves of a
// surrogate pair.
bool maySliceAfter(char c)
{
    return c != ' ' && c != '\r';
}
bool maySliceAfter(QChar c)
{
    return c != u' ' && c != u'\r' && !c.isHighSurrogate();
}

// Appends a note in slices, each escaped as a note of its own, until its
// HTML reaches kReportNoteHtmlBytes (by at most one slice more); true when
// all of it went in. Slices give the same bytes as the whole note would.
template <class Note, class AppendSlice>
bool appendWithin(QByteArray& html, Note note, AppendSlice appendSlice)
{
    constexpr qsizetype kSlice = 64 * 1024;
    const qsizetype start = html.size();
    qsizetype done = 0;
    while (done < note.size() && html.size() - start < kReportNoteHtmlBytes) {
        qsizetype end = std::min(note.size(), done + kSlice);
        while (end < note.size() && !maySliceAfter(note[end - 1])) {
            ++end;
        }
        appendSlice(html, note.sliced(done, end - done));
        done = end;
    }
    return done == note.size();
}

} // namespace

QByteArray escapeNote(const QByteArray& note)
{
    QByteArray html;
    html.reserve(note.size() + note.size() / 2);
    appendEscapedNote(html, note);
    return html;
}

QByteArray reportHeading(Int16 day, Int16 month, Int16 year)
{
    QByteArray html = "<hr><b>";
    appendPageText(html, dayHeading(day, month, year), false);
    return html + "</b><br>";
}

ReportPage buildReport(Int16 month, Int16 year)
{
    ReportPage page;
    page.html = kPageStart;
    const Int16 days = GetDaysInMonth(month, year);
    for (Int16 d = 1; d <= days; ++d) {
        const NoteRead note = readNoteUpTo(d, month, year, kReportNoteBytes);
        if (!note.isReadable()) {
            return {{}, note.error};
        }
        if (!note.bytes.isEmpty()) {
            // Escaping grows a typical note by less than half.
            page.html.reserve(page.html.size() + note.bytes.size() * 3 / 2 + 64);
            page.html += reportHeading(d, month, year);
            const QByteArrayView bytes =
                note.complete ? QByteArrayView(note.bytes) : withoutCutSequence(note.bytes);
            // A Windows-1252 note's bytes are already one per character.
            bool whole = true;
            if (isWindows1252Note(bytes)) {
                whole = appendWithin(page.html, bytes, [](QByteArray& html, QByteArrayView slice) {
                    appendEscapedNote(html, slice);
                });
            } else {
                const QString text = noteText(bytes);
                whole = appendWithin(
                    page.html, QStringView(text),
                    [](QByteArray& html, QStringView slice) { appendPageText(html, slice, true); });
            }
            if (!whole || !note.complete) {
                page.html += "<br>";
                appendPageText(page.html,
                               QCoreApplication::translate("Report",
                                                           "(This note has %1 bytes in all; the "
                                                           "rest is left out of this report.)")
                                   .arg(note.fileSize),
                               true);
            }
        }
    }
    page.html += kPageEnd;
    return page;
}

std::int32_t Rand(std::int32_t Low, std::int32_t High, QRandomGenerator& generator)
{
    const float r = nextUnitFloat(generator);
    // 64 bits: High - Low + 1 cannot overflow for any pair of 32-bit bounds.
    const std::int64_t n = std::int64_t(High) - std::int64_t(Low) + 1;
    return std::int32_t(std::floor(double(n) * double(r)) + double(Low));
}

QString reportFileName(QRandomGenerator& generator)
{
    QString letters;
    letters.reserve(kNameLetters);
    for (int i = 0; i < kNameLetters; ++i) {
        letters.append(QChar(Rand(65, 90, generator)));
    }
    return kTempFolder + QStringLiteral("/report-") + letters + QStringLiteral(".htm");
}

ReportFile writeReport(const QByteArray& html, QRandomGenerator& generator)
{
    if (::mkdir(nativePath(kTempFolder).constData(), 0777) != 0 && errno != EEXIST) {
        return {{},
                QCoreApplication::translate("Report", "Cannot create the folder %1: %2")
                    .arg(kTempFolder, errorText(errno))};
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = reportFileName(generator);
        const QByteArray native = nativePath(path);
        UniqueFd fd(
            ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!fd.isValid()) {
            if (errno == EEXIST) {
                continue; // taken by a file or link of that name: draw again
            }
            return {{},
                    QCoreApplication::translate("Report", "Cannot create %1: %2")
                        .arg(path, errorText(errno))};
        }
        int error = writeAll(fd.get(), html);
        if (error == 0) {
            error = fd.close();
        }
        if (error != 0) {
            ::unlink(native.constData());
            return {{},
                    QCoreApplication::translate("Report", "Cannot write %1: %2")
                        .arg(path, errorText(error))};
        }
        WrittenReports& written = writtenReports();
        const QMutexLocker lock(&written.mutex);
        written.paths.insert(path);
        return {path, {}};
    }
    return {{},
            QCoreApplication::translate("Report", "Cannot find a free report name in %1")
                .arg(kTempFolder)};
}

int cleanUpReports(const QDateTime& now)
{
    WrittenReports& written = writtenReports();
    const QMutexLocker lock(&written.mutex);
    const QDateTime dayAgo = now.addDays(-1);
    // Only names the program makes are deleted, so that a user's own file or
    // anything else in the folder (it may be a link to a shared one) stays.
    const QDir folder(kTempFolder);
    int deleted = 0;
    const QStringList names = folder.entryList({QStringLiteral("report-*.htm")},
                                               QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& name : names) {
        const QString relative = kTempFolder + QLatin1Char('/') + name;
        if (!isReportFileName(name) ||
            (!written.paths.contains(relative) &&
             QFileInfo(folder.filePath(name)).lastModified() >= dayAgo)) {
            continue;
        }
        const QByteArray path = nativePath(folder.filePath(name));
        struct stat st
        {
        };
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::unlink(path.constData()) == 0) {
            written.paths.remove(relative);
            ++deleted;
        }
    }
    return deleted;
}

QString printedNote(Int16 day, Int16 month, Int16 year)
{
    constexpr qint64 kPrintedNoteBytes = 16 * 1024;
    const NoteRead read = readNoteUpTo(day, month, year, kPrintedNoteBytes);
    if (!read.isReadable()) {
        return QCoreApplication::translate("MonthPrint", "(cannot be read: %1)").arg(read.error);
    }
    return displayText(read.complete ? QByteArrayView(read.bytes) : withoutCutSequence(read.bytes));
}

} // namespace plandeck
