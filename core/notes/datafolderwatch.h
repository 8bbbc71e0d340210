#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <utility>

class QSocketNotifier;

// Follows data/ through the system's change notifications (inotify), with the
// names of what changed in it: notes saved, made, deleted or renamed, and any
// other file beside them. The main window and Find learn of changes from one
// such watch, so that neither looks at every note to find out.

namespace plandeck {

class DataFolderWatch : public QObject
{
    Q_OBJECT

public:
    explicit DataFolderWatch(QObject* parent = nullptr);
    ~DataFolderWatch() override;

    // Watches data/ as its name leads now: a folder made, re-pointed or
    // renamed into place since the last call is watched afresh, and lost()
    // tells that its notes may all differ. False when there is no data/ or
    // the system refuses a watch.
    bool follow();
    bool isWatching() const { return m_watch >= 0; }

Q_SIGNALS:
    // Names in data/ changed; notes holds the dates of those that are notes
    // (empty when only other files did).
    void changed(const QList<QDate>& notes);
    // Notifications were lost or data/ itself went away or was replaced:
    // every note may have changed, and only a comparison of every file tells
    // which. After data/ went away, the watch stands until follow() again.
    void lost();

private:
    void read();
    void unwatch();

    int m_inotify = -1;
    int m_watch = -1;
    std::pair<qint64, qint64> m_identity{-1, -1}; // device, inode of the folder watched
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace plandeck
