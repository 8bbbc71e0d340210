#pragma once

#include "core/recovery/recoveryjournal.h"

#include <QFuture>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>

// Records the unsaved text of the note cells in the recovery journal, so
// that at most a second or two of typing is lost however the program ends.
// A change arms a one-second timer (it is not restarted by later keys, so a
// long burst of typing is recorded every second); at its tick each changed
// cell's text is taken on this thread and written and synced on a worker
// thread of its own, in order. A cell whose text is saved, emptied or back
// to what it loaded loses its record. Nothing is written while nothing
// changes.

namespace plandeck {

class RecoveryRecorder : public QObject
{
    Q_OBJECT

public:
    // What a cell holds now; unsaved is false for a cell with nothing to keep.
    struct Cell
    {
        QDate date;
        QByteArray loaded;
        QString text;
        bool unsaved = false;
    };
    using CellReader = std::function<Cell(int index)>;

    RecoveryRecorder(CellReader reader, QString folder, QObject* parent);
    // Waits for the records on their way.
    ~RecoveryRecorder() override;

    // The text of the cell changed.
    void cellChanged(int index);
    // The cell's text reached its file (or was emptied or taken back);
    // stillEdited when keys typed meanwhile are still unsaved.
    void cellSaved(int index, bool stillEdited);
    // Records every changed cell now; the timer's work.
    void recordChanges();

    // What ended copies left that is still newer than the note's file; the
    // rest is dropped. Damaged records are named.
    RecoveryJournal::Adopted adopt();
    // An adopted record now lives in this cell as its unsaved text.
    void adoptedInto(int index, const QDate& date);

    // At an end that cannot save: records these cells' unsaved text at once
    // and waits for it. One line per day, for the user.
    QStringList keepNow(const QList<int>& cells);
    // The user chose to lose the unsaved text.
    void discard();
    void waitForWrites();

private:
    void forget(int index);

    CellReader m_reader;
    std::shared_ptr<RecoveryJournal> m_journal;
    // One thread: records and removals reach the disk in the order made.
    QThreadPool m_pool;
    QTimer m_timer;
    QSet<int> m_changed;
    QHash<int, QDate> m_recorded;
    QFuture<void> m_last;
};

} // namespace plandeck
