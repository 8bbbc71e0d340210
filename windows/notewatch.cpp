#include "windows/notewatch.h"

#include "core/notes/notefilename.h"

#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandeck {

namespace {

// Well within the second in which an outside change must show.
constexpr int kSettleMilliseconds = 150;
// Without notifications, a change shows within this.
constexpr int kPollMilliseconds = 2000;

// What a name leads to now; nothing for a name that leads nowhere.
std::pair<qint64, qint64> identityOf(const QString& path)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        return {};
    }
    return {qint64(st.st_dev), qint64(st.st_ino)};
}

} // namespace

NoteWatch::NoteWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &NoteWatch::changed);
    m_poll.setInterval(kPollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &NoteWatch::changed);
    auto changed = [this] {
        if (!m_settle.isActive()) {
            m_settle.start();
        }
    };
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&m_dataFolder, &DataFolderWatch::changed, this, changed);
    connect(&m_dataFolder, &DataFolderWatch::lost, this, changed);
}

// The working folder tells of data/ made, re-pointed or renamed into place;
// the data folder of notes made, deleted or replaced by a rename; a note's
// own file of a rewrite in place through another name for it (a link), which
// its folder does not see. A watch stays on the file or folder it was set on,
// so a name that leads elsewhere now is watched again.
void NoteWatch::follow(const QStringList& noteFiles)
{
    QStringList wanted = noteFiles;
    wanted << QStringLiteral(".");
    QHash<QString, Identity> now;
    for (const QString& path : wanted) {
        now.insert(path, identityOf(path));
    }
    QStringList gone;
    for (auto it = m_watched.cbegin(); it != m_watched.cend(); ++it) {
        if (now.value(it.key(), Identity{-1, -1}) != it.value()) {
            gone << it.key();
        }
    }
    for (const QString& path : std::as_const(gone)) {
        m_watched.remove(path);
    }
    if (!gone.isEmpty()) {
        m_watcher.removePaths(gone);
    }
    QStringList added;
    for (const QString& path : std::as_const(wanted)) {
        if (!m_watched.contains(path)) {
            added << path;
        }
    }
    // Set by the tests, to see the window without notifications.
    const bool refused = qEnvironmentVariableIsSet("PLANDECK_TEST_NO_WATCH");
    QStringList failed = added.isEmpty() ? QStringList() : m_watcher.addPaths(added);
    if (refused) {
        m_watcher.removePaths(added);
        failed = added;
    }
    const QString data = QString::fromLatin1(kDataFolder);
    if ((refused || !m_dataFolder.follow()) && QFileInfo(data).isDir()) {
        failed << data;
    }
    for (const QString& path : std::as_const(added)) {
        if (!failed.contains(path)) {
            m_watched.insert(path, now.value(path));
        }
    }
    // A name gone meanwhile needs no watch, and a file this user may not
    // read gets none (its cell says it is unreadable); any other refusal is
    // the system's.
    failed.removeIf([](const QString& path) {
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        return fd < 0 || ::close(fd) != 0;
    });
    if (failed.isEmpty()) {
        m_poll.stop();
    } else if (!m_poll.isActive()) {
        m_poll.start();
        if (!std::exchange(m_saidCannotWatch, true)) {
            Q_EMIT cannotWatch();
        }
    }
}

} // namespace plandeck
