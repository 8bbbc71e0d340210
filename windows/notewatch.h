#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Tells when data/ or a shown note's file may have changed: another program
// (a sync tool, an editor, a second copy of Plandeck) may change, create or
// delete a note at any time. It follows the file system's change
// notifications, so an idle window does not wake up for it. What changed and
// what to do about it is for the note cells to find out.

namespace plandeck {

class NoteWatch : public QObject
{
    Q_OBJECT

public:
    explicit NoteWatch(QObject* parent);

    // Follows data/ (the working folder while there is none, so that a data/
    // made later is followed from then on) and these note files.
    void follow(const QStringList& noteFiles);

Q_SIGNALS:
    // Something changed; several notifications of one change (a write in
    // chunks, a save through a temporary file) give one signal.
    void changed();

private:
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

} // namespace plandeck
