#include "core/notes/conflictcopies.h"

#include "core/notes/notefile.h"
#include "core/notes/notestore.h"
#include "core/notes/notetext.h"

#include "core/notes/posixfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <dirent.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>

namespace plandeck {

namespace {

const QString kDataPath = QString::fromLatin1(kDataFolder);

struct NamePattern
{
    CopyKind kind;
    QRegularExpression pattern; // the note's date is the first group
};

const std::array<NamePattern, 6>& namePatterns()
{
    // \d{4}-\d{2}-\d{2} is the note's date; the rest is each tool's own mark.
    // Syncthing marks a copy of a copy twice; Dropbox numbers a second copy
    // of the same day and writes the owner's name with either apostrophe.
    static const auto make = [](const char* rest) {
        return QRegularExpression(QStringLiteral("\\A(\\d{4}-\\d{2}-\\d{2})") +
                                  QString::fromUtf8(rest) + QStringLiteral("\\z"));
    };
    static const std::array<NamePattern, 6> patterns = {{
        {CopyKind::Syncthing, make("(?:\\.sync-conflict-\\d{8}-\\d{6}-[0-9A-Z]{7})+\\.txt")},
        {CopyKind::Nextcloud, make(" \\(conflicted copy \\d{4}-\\d{2}-\\d{2} \\d{6}\\)\\.txt")},
        {CopyKind::OwnCloud, make("_conflict-\\d{8}-\\d{6}\\.txt")},
        {CopyKind::Dropbox,
         make(" \\(.+['\u2019]s conflicted copy \\d{4}-\\d{2}-\\d{2}(?: \\(\\d+\\))?\\)\\.txt")},
        {CopyKind::Kept, make("\\.outside-\\d{8}-\\d{6}(?:-\\d+)?\\.txt")},
        {CopyKind::Kept, make("\\.txt\\.outside-\\d{8}T\\d{6}(?:-\\d+)?")},
    }};
    return patterns;
}

// The copies in data/ whose names start like `pattern` ('?' stands for any
// character). One pass of readdir: a month step in a century of notes must
// not pay for a QFileInfo and a pattern match per note. A note's own name
// ("2026-12-06.txt") is never longer than 14 bytes and is skipped unparsed.
QList<ConflictCopy> copiesMatching(QByteArrayView pattern)
{
    QList<ConflictCopy> copies;
    const QByteArray folder = nativePath(kDataPath);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), ::closedir);
    if (dir == nullptr) {
        return copies;
    }
    constexpr std::size_t kNoteNameLength = 14;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name(entry->d_name);
        if (name.size() <= kNoteNameLength || name.size() < std::size_t(pattern.size()) ||
            !std::equal(pattern.begin(), pattern.end(), name.begin(),
                        [](char want, char got) { return want == '?' || want == got; })) {
            continue;
        }
        const QByteArray bytes(name.data(), qsizetype(name.size()));
        struct stat st
        {
        };
        if (entry->d_type != DT_REG &&
            (::stat((folder + '/' + bytes).constData(), &st) != 0 || !S_ISREG(st.st_mode))) {
            continue;
        }
        if (std::optional<ConflictCopy> copy = parseCopyName(QFile::decodeName(bytes))) {
            copies.append(*std::move(copy));
        }
    }
    std::sort(copies.begin(), copies.end(), [](const ConflictCopy& a, const ConflictCopy& b) {
        return a.date != b.date ? a.date < b.date : a.path < b.path;
    });
    return copies;
}

} // namespace

std::optional<ConflictCopy> parseCopyName(const QString& fileName)
{
    for (const NamePattern& candidate : namePatterns()) {
        const QRegularExpressionMatch match = candidate.pattern.match(fileName);
        if (!match.hasMatch()) {
            continue;
        }
        const QDate date = QDate::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid()) {
            return std::nullopt;
        }
        return ConflictCopy{date, candidate.kind, kDataPath + QLatin1Char('/') + fileName};
    }
    return std::nullopt;
}

QString keptCopyName(Int16 day, Int16 month, Int16 year, const QDateTime& when, int n)
{
    QString name = GetFileName(day, month, year);
    name.chop(4); // ".txt" goes last again
    name += QStringLiteral(".outside-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (n > 1) {
        name += QLatin1Char('-') + QString::number(n);
    }
    return name + QStringLiteral(".txt");
}

QList<ConflictCopy> conflictCopies(Int16 day, Int16 month, Int16 year)
{
    // Every kind starts with the note's date, which no other day shares.
    QByteArray date = nativePath(GetFileName(day, month, year)).mid(kDataPath.size() + 1);
    date.chop(4);
    return copiesMatching(date);
}

QList<ConflictCopy> conflictCopiesOfMonth(Int16 month, Int16 year)
{
    QByteArray date = nativePath(GetFileName(1, month, year)).mid(kDataPath.size() + 1);
    date.chop(6); // "01.txt"
    return copiesMatching(date);
}

QList<ConflictCopy> conflictCopiesOnDay(Int16 day, Int16 month)
{
    // "????-12-06" from "data/2000-12-06.txt".
    QByteArray date =
        "????" + nativePath(GetFileName(day, month, 2000)).mid(kDataPath.size() + 5);
    date.chop(4);
    return copiesMatching(date);
}

QList<ConflictCopy> allConflictCopies()
{
    return copiesMatching({});
}

QString copyKindText(CopyKind kind)
{
    switch (kind) {
    case CopyKind::Syncthing:
        return QCoreApplication::translate("ConflictCopy", "conflict copy (Syncthing)");
    case CopyKind::Nextcloud:
        return QCoreApplication::translate("ConflictCopy", "conflict copy (Nextcloud)");
    case CopyKind::OwnCloud:
        return QCoreApplication::translate("ConflictCopy", "conflict copy (ownCloud)");
    case CopyKind::Dropbox:
        return QCoreApplication::translate("ConflictCopy", "conflict copy (Dropbox)");
    case CopyKind::Kept:
        break;
    }
    return QCoreApplication::translate("ConflictCopy", "text kept by Plandeck");
}

ConflictTexts readConflict(Int16 day, Int16 month, Int16 year, const QString& copyPath)
{
    ConflictTexts texts;
    const NoteRead note = readNoteUpTo(day, month, year, kLargestEditableNote);
    const NoteRead copy = readNoteFile(copyPath, kLargestEditableNote);
    for (const NoteRead* read : {&note, &copy}) {
        if (!read->isReadable()) {
            texts.error = read->error;
        } else if (!read->complete) {
            texts.error = QCoreApplication::translate("ConflictCopies",
                                                      "%1 bytes are too many to compare here.")
                              .arg(read->fileSize);
        }
    }
    if (copy.isReadable() && copy.stamp == NoteStamp{}) {
        texts.error =
            QCoreApplication::translate("ConflictCopies", "%1 is no longer there.").arg(copyPath);
    }
    texts.note = note.bytes;
    texts.copy = copy.bytes;
    return texts;
}

} // namespace plandeck
