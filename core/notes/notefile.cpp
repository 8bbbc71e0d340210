#include "core/notes/notefile.h"

#include "core/notes/posixfile.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fcntl.h>

namespace plandeck {

namespace {

NoteStamp stampOf(const struct stat& st)
{
    return {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

QString failure(const char* what, const QString& path, int errorNumber)
{
    return QStringLiteral("%1 %2: %3")
        .arg(QCoreApplication::translate("NoteFile", what), path, errorText(errorNumber));
}

} // namespace

bool linksToANote(const QByteArray& link)
{
    char resolved[PATH_MAX];
    if (::realpath(link.constData(), resolved) == nullptr) {
        return false;
    }
    const std::string_view name(resolved);
    return noteFileDate(name.substr(name.rfind('/') + 1)).has_value();
}

NoteLookup lookUpNote(const QString& path)
{
    const QByteArray native = nativePath(path);
    struct stat st
    {
    };
    int result = systemCalls().lstat(native.constData(), &st);
    const bool linked = result == 0 && S_ISLNK(st.st_mode);
    if (linked) {
        result = systemCalls().stat(native.constData(), &st);
    }
    const int error = result != 0 ? errno : 0;
    NoteLookup found{noteFileKind(result, error, st.st_mode), {}, {}};
    if (found.kind == NoteFileKind::Note) {
        found.stamp = stampOf(st);
        // A link is followed only to a file named like a note: a synced
        // folder may carry links made on another machine, pointing anywhere.
        if (linked && !linksToANote(native)) {
            found.kind = NoteFileKind::Unreadable;
            found.error =
                QCoreApplication::translate("NoteFile", "%1 links to a file that is not a note")
                    .arg(path);
        }
    } else if (found.kind == NoteFileKind::Unreadable) {
        found.error = failure(QT_TRANSLATE_NOOP("NoteFile", "Cannot look up"), path, error);
    }
    return found;
}

NoteRead readNoteFile(const QString& path, qint64 byteLimit)
{
    const NoteLookup found = lookUpNote(path);
    if (found.kind == NoteFileKind::Unreadable) {
        return {{}, found.error, 0, true, found.stamp};
    }
    if (!found.isNote()) {
        return {};
    }
    // O_NONBLOCK: should the name turn into a FIFO after the look-up, the
    // open must not wait for a writer.
    UniqueFd fd(systemCalls().open(nativePath(path).constData(),
                                   O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0));
    if (!fd.isValid()) {
        return {{},
                failure(QT_TRANSLATE_NOOP("NoteFile", "Cannot open"), path, errno),
                0,
                true,
                found.stamp};
    }
    struct stat st
    {
    };
    if (systemCalls().fstat(fd.get(), &st) != 0) {
        return {{}, failure(QT_TRANSLATE_NOOP("NoteFile", "Cannot look up"), path, errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return {};
    }
    NoteRead note;
    note.stamp = stampOf(st);
    if (const int error = readUpTo(fd.get(), note.bytes, byteLimit, st.st_size, note.complete);
        error != 0) {
        return {{},
                failure(QT_TRANSLATE_NOOP("NoteFile", "Cannot read"), path, error),
                0,
                true,
                note.stamp};
    }
    // The file may have changed size since fstat; what was read decides.
    note.fileSize =
        note.complete ? note.bytes.size() : std::max<qint64>(st.st_size, note.bytes.size() + 1);
    return note;
}

} // namespace plandeck
