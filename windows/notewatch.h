#pragma once

#include "core/notes/datafolderwatch.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <utility>

// Tells when data/ or a shown note's file may have changed: another program
// (a sync tool, an editor, a second copy of Plandeck) may change, create or
// delete a note at any time. It follows the file system's change
// notifications, so an idle window does not wake up for it. What changed and
// what to do about it is for the note cells to find out. Its watch of data/
// names the notes that changed, for Find to take in.

namespace plandeck {

class NoteWatch : public QObject
{
    Q_OBJECT

public:
    explicit NoteWatch(QObject* parent);

    // Follows the working folder, data/ and these note files by name: a name
    // that now leads to another file or folder than before (a note replaced
    // by a save, data/ re-pointed or renamed into place) is followed afresh.
    void follow(const QStringList& noteFiles);
    // Whether the changes are looked for every two seconds, because the
    // system would not watch every path.
    bool isPolling() const { return m_poll.isActive(); }
    // The watch of data/ itself, which Find follows too.
    const DataFolderWatch& dataFolder() const { return m_dataFolder; }

Q_SIGNALS:
    // Something changed; several notifications of one change (a write in
    // chunks, a save through a temporary file) give one signal.
    void changed();
    // The system refused to watch a path (the inotify watch limit used up);
    // given once, when polling starts for the first time.
    void cannotWatch();

private:
    using Identity = std::pair<qint64, qint64>; // device, inode
    QFileSystemWatcher m_watcher;               // the working folder and the shown notes' files
    DataFolderWatch m_dataFolder;
    QHash<QString, Identity> m_watched;
    QTimer m_settle;
    QTimer m_poll;
    bool m_saidCannotWatch = false;
};

} // namespace plandeck
