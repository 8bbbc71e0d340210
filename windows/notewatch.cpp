#include "windows/notewatch.h"

#include "core/notes/notefilename.h"

#include <QFileInfo>

namespace plandeck {

namespace {

// Well within the second in which an outside change must show.
constexpr int kSettleMilliseconds = 150;

} // namespace

NoteWatch::NoteWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &NoteWatch::changed);
    auto changed = [this] {
        if (!m_settle.isActive()) {
            m_settle.start();
        }
    };
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
}

// The data folder tells of notes made, deleted or replaced by a rename; a
// note's own file tells of a rewrite in place, which its folder does not.
void NoteWatch::follow(const QStringList& noteFiles)
{
    const QString data = QString::fromLatin1(kDataFolder);
    QStringList wanted = noteFiles;
    wanted << (QFileInfo(data).isDir() ? data : QStringLiteral("."));
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList gone;
    for (const QString& path : watched) {
        if (!wanted.contains(path)) {
            gone << path;
        }
    }
    QStringList added;
    for (const QString& path : wanted) {
        if (!watched.contains(path)) {
            added << path;
        }
    }
    if (!gone.isEmpty()) {
        m_watcher.removePaths(gone);
    }
    if (!added.isEmpty()) {
        m_watcher.addPaths(added);
    }
}

} // namespace plandeck
