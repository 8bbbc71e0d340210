#include "core/exchange/exchange.h"

#include "core/notes/notefilename.h"
#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "core/notes/posixfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>

namespace plandeck {

namespace {

// The translation context of export's and import's texts.
struct Exchange
{
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

QString isoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

QString outsideYears()
{
    return Exchange::tr("outside the planner's years %1 to %2")
        .arg(kFirstPlannerYear)
        .arg(kLastPlannerYear);
}

// Written to a hidden file first and renamed into place, so a failed export
// leaves what was there before. Unbuffered, so that a short write is seen.
// One file is synced to the disk; the files of a daily-note folder are not,
// one by one, as tens of thousands of syncs would take minutes.
QString writeFile(const QString& path, const QByteArray& bytes, bool sync = true)
{
    const QString failed = Exchange::tr("%1 cannot be written: %2");
    if (sync) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return failed.arg(path, file.errorString());
        }
        if (file.write(bytes) != bytes.size() || !file.commit()) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return failed.arg(path, reason);
        }
        return {};
    }
    const QFileInfo target(path);
    QFile file(target.dir().filePath(u'.' + target.fileName() + QStringLiteral(".exporting")));
    const bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size();
    file.close();
    const QString reason = file.errorString();
    if (!written ||
        ::rename(nativePath(file.fileName()).constData(), nativePath(path).constData()) != 0) {
        const QString why = written ? errorText(errno) : reason;
        file.remove();
        return failed.arg(path, why);
    }
    return {};
}

QString withoutFinalLineBreak(QString text)
{
    if (text.endsWith(u'\n')) {
        text.chop(1);
    }
    return text;
}

// The date a daily note's path names, or an invalid date.
QDate dailyNoteDate(const QFileInfo& file)
{
    static const QRegularExpression dated(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})\\.(md|txt)$"));
    static const QRegularExpression day(QStringLiteral("^(\\d{2})\\.(md|txt)$"));
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (const QRegularExpressionMatch match = dated.match(file.fileName()); match.hasMatch()) {
        return {match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
    }
    if (const QRegularExpressionMatch match = day.match(file.fileName()); match.hasMatch()) {
        const QDir monthFolder = file.dir();
        const QString month = monthFolder.dirName();
        const QString year = QFileInfo(monthFolder.absolutePath()).dir().dirName();
        if (month.size() == 2 && year.size() == 4 && digits.match(month).hasMatch() &&
            digits.match(year).hasMatch()) {
            return {year.toInt(), month.toInt(), match.captured(1).toInt()};
        }
    }
    return {};
}

} // namespace

bool isPlannerDate(const QDate& date)
{
    return date.isValid() && date.year() >= kFirstPlannerYear && date.year() <= kLastPlannerYear;
}

std::optional<ExchangeFormat> exchangeFormat(const QString& name)
{
    if (name == u"ics") {
        return ExchangeFormat::Ics;
    }
    if (name == u"md") {
        return ExchangeFormat::Markdown;
    }
    if (name == u"daily-md") {
        return ExchangeFormat::DailyMarkdown;
    }
    return std::nullopt;
}

CollectedNotes collectNotes(const QDate& from, const QDate& to)
{
    CollectedNotes result;
    // Listing data/ once is far cheaper than asking for every day of a
    // range that may span two centuries.
    const QDir data(QString::fromLatin1(kDataFolder));
    const QFileInfo folder(data.path());
    if (folder.exists() && !(folder.isDir() && folder.isReadable() && folder.isExecutable())) {
        result.error =
            Exchange::tr("The notes' folder %1 cannot be read.").arg(folder.absoluteFilePath());
        return result;
    }
    QList<QDate> dates;
    for (const QString& name :
         data.entryList({QStringLiteral("\?\?\?\?-\?\?-\?\?.txt")}, QDir::Files)) {
        const std::optional<NoteFileDate> named = noteFileDate(name.toStdString());
        const QDate date = named ? QDate(named->year, named->month, named->day) : QDate();
        if (date.isValid() && date >= from && date <= to) {
            dates.append(date);
        }
    }
    std::sort(dates.begin(), dates.end());
    for (const QDate& date : dates) {
        const NoteRead read = GetData(Int16(date.day()), Int16(date.month()), Int16(date.year()));
        if (!read.isReadable()) {
            result.error =
                Exchange::tr("The note of %1 cannot be read: %2").arg(isoDate(date), read.error);
            result.notes.clear();
            return result;
        }
        if (!read.bytes.isEmpty()) {
            result.notes.append({date, displayText(read.bytes)});
        }
    }
    return result;
}

QByteArray markdownNotes(const QList<DayNote>& notes)
{
    QString page = QStringLiteral("# %1\n").arg(Exchange::tr("Plandeck notes"));
    for (const DayNote& note : notes) {
        page +=
            QStringLiteral("\n## %1 %2\n\n")
                .arg(isoDate(note.date), GetWkd(Int16(note.date.day()), Int16(note.date.month()),
                                                Int16(note.date.year())));
        page += withoutFinalLineBreak(note.text) + u'\n';
    }
    return page.toUtf8();
}

QByteArray dailyNoteBytes(const QString& text)
{
    return (text + u'\n').toUtf8();
}

ImportedNotes readDailyNotes(const QString& folder)
{
    ImportedNotes result;
    std::map<std::pair<QDate, QString>, QString> found; // by date, then path
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        const QDate date = dailyNoteDate(file);
        if (!date.isValid()) {
            continue;
        }
        QFile source(file.filePath());
        if (!source.open(QIODevice::ReadOnly)) {
            result.error =
                Exchange::tr("%1 cannot be read: %2").arg(file.filePath(), source.errorString());
            return result;
        }
        found[{date, file.filePath()}] = withoutFinalLineBreak(displayText(source.readAll()));
    }
    if (found.empty()) {
        result.error =
            Exchange::tr("%1 holds no daily notes (YYYY-MM-DD.md or .txt, or YYYY/MM/DD.md)")
                .arg(folder);
        return result;
    }
    for (const auto& [key, text] : found) {
        if (!result.notes.isEmpty() && result.notes.last().date == key.first) {
            result.notes.last().text += u'\n' + text;
        } else {
            result.notes.append({key.first, text});
        }
    }
    return result;
}

ImportedNotes readImportSource(const QString& path)
{
    const QFileInfo source(path);
    ImportedNotes result;
    if (!source.exists()) {
        result.error = Exchange::tr("%1 does not exist").arg(path);
    } else if (source.isDir()) {
        if (!source.isReadable() || !source.isExecutable()) {
            result.error = Exchange::tr("the folder %1 cannot be read").arg(path);
        } else {
            result = readDailyNotes(path);
        }
    } else if (source.suffix().compare(u"ics", Qt::CaseInsensitive) != 0) {
        result.error =
            Exchange::tr("%1 is neither an .ics file nor a folder of daily notes").arg(path);
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            result.error = Exchange::tr("%1 cannot be read: %2").arg(path, file.errorString());
        } else {
            result = readIcs(file.readAll());
        }
    }
    return result;
}

ExchangeResult exportNotes(const ExportRequest& request)
{
    ExchangeResult result;
    for (const QDate& date : {request.from, request.to}) {
        if (!isPlannerDate(date)) {
            result.error =
                date.isValid()
                    ? Exchange::tr("%1 is %2.").arg(isoDate(date), outsideYears())
                    : Exchange::tr("A date is missing or is no date (write it as 2031-07-04).");
            return result;
        }
    }
    if (request.to < request.from) {
        result.error = Exchange::tr("The range ends on %1, before it starts on %2.")
                           .arg(isoDate(request.to), isoDate(request.from));
        return result;
    }
    if (request.path.isEmpty()) {
        result.error = Exchange::tr("Name the file or folder to export to.");
        return result;
    }
    const QFileInfo target(request.path);
    const bool toFolder = request.format == ExchangeFormat::DailyMarkdown;
    if (target.exists() && target.isDir() != toFolder) {
        result.error = toFolder ? Exchange::tr("%1 is no folder.").arg(request.path)
                                : Exchange::tr("%1 is a folder; name a file.").arg(request.path);
        return result;
    }
    const CollectedNotes collected = collectNotes(request.from, request.to);
    if (!collected.error.isEmpty()) {
        result.error = collected.error;
        return result;
    }
    if (toFolder) {
        if (!QDir().mkpath(request.path)) {
            result.error = Exchange::tr("The folder %1 cannot be made.").arg(request.path);
            return result;
        }
        const QDir folder(request.path);
        for (const DayNote& note : collected.notes) {
            const QString file = folder.filePath(isoDate(note.date) + QStringLiteral(".md"));
            const QByteArray bytes = dailyNoteBytes(note.text);
            // A file that holds the note already is left alone, so that a
            // sync tool or a journal program sees only the days that changed.
            QFile existing(file);
            if (existing.size() == bytes.size() && existing.open(QIODevice::ReadOnly) &&
                existing.readAll() == bytes) {
                continue;
            }
            const QString error = writeFile(file, bytes, false);
            if (!error.isEmpty()) {
                result.error = error;
                return result;
            }
        }
    } else {
        const QByteArray bytes = request.format == ExchangeFormat::Ics
                                     ? icsCalendar(collected.notes, request.journal)
                                     : markdownNotes(collected.notes);
        result.error = writeFile(request.path, bytes);
        if (!result.isOk()) {
            return result;
        }
    }
    result.lines << Exchange::tr("Notes exported: %1, from %2 to %3, to %4.")
                        .arg(collected.notes.size())
                        .arg(isoDate(request.from), isoDate(request.to), request.path);
    return result;
}

ExchangeResult importNotes(const QString& path, bool dryRun)
{
    ExchangeResult result;
    const ImportedNotes imported = readImportSource(path);
    if (!imported.error.isEmpty()) {
        result.error = Exchange::tr("Nothing was imported: %1.").arg(imported.error);
        return result;
    }
    int changed = 0;
    std::map<QString, int> skipped; // by reason
    auto skip = [&](const QDate& date, const QString& reason, const QString& detail = {}) {
        ++skipped[reason];
        result.lines << Exchange::tr("%1: skipped, %2")
                            .arg(isoDate(date), detail.isEmpty() ? reason : detail);
    };
    for (const DayNote& note : imported.notes) {
        const Int16 day = Int16(note.date.day());
        const Int16 month = Int16(note.date.month());
        const Int16 year = Int16(note.date.year());
        if (!isPlannerDate(note.date)) {
            skip(note.date, outsideYears());
            continue;
        }
        if (note.text.isEmpty()) {
            skip(note.date, Exchange::tr("nothing to add"));
            continue;
        }
        const NoteRead read = GetData(day, month, year);
        if (!read.isReadable()) {
            skip(note.date, Exchange::tr("the note cannot be read"),
                 Exchange::tr("the note cannot be read: %1").arg(read.error));
            continue;
        }
        const QString existing = displayText(read.bytes);
        if (existing.contains(note.text)) {
            skip(note.date, Exchange::tr("the note already holds the text"));
            continue;
        }
        const QString separator =
            existing.isEmpty() || existing.endsWith(u'\n') ? QString() : QStringLiteral("\n");
        if (dryRun) {
            result.lines << Exchange::tr("%1: would be appended").arg(isoDate(note.date));
            ++changed;
            continue;
        }
        const StoreResult saved = UpdateData(
            day, month, year, storedBytes(existing + separator + note.text), &read.bytes);
        if (!saved.isOk()) {
            skip(note.date, Exchange::tr("the note cannot be saved"),
                 Exchange::tr("the note cannot be saved: %1").arg(saved.error));
            continue;
        }
        ++changed;
        result.lines << (saved.keptFile.isEmpty()
                             ? Exchange::tr("%1: appended").arg(isoDate(note.date))
                             : Exchange::tr(
                                   "%1: appended; the text another program wrote meanwhile is "
                                   "kept in %2")
                                   .arg(isoDate(note.date), saved.keptFile));
    }
    if (imported.undated > 0) {
        skipped[Exchange::tr("journal entries without a date")] += imported.undated;
    }
    int skippedCount = 0;
    QStringList reasons;
    for (const auto& [reason, count] : skipped) {
        skippedCount += count;
        reasons << QStringLiteral("%1: %2").arg(reason).arg(count);
    }
    QString summary = (dryRun ? Exchange::tr("Days that would change: %1. Skipped: %2")
                              : Exchange::tr("Days changed: %1. Skipped: %2"))
                          .arg(changed)
                          .arg(skippedCount);
    if (!reasons.isEmpty()) {
        summary += QStringLiteral(" (%1)").arg(reasons.join(QStringLiteral("; ")));
    }
    summary += u'.';
    if (dryRun) {
        summary += u' ' + Exchange::tr("Nothing was written (dry run).");
    }
    result.lines << summary;
    return result;
}

} // namespace plandeck
