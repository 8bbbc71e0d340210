#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

// Unsaved text kept outside data/, so that what was typed survives a crash,
// a kill or a save that keeps failing until the program ends. Each running
// copy of the program writes records of its own (one per edited day) in the
// recovery folder of its working folder and holds a lock while it runs; the
// next start takes over the records of copies that have ended.

namespace plandeck {

// What a cell held that was not saved: its day, the bytes the cell loaded
// from the note's file (empty: no note), and the text typed since.
struct RecoveryRecord
{
    QDate date;
    QByteArray loaded;
    QString text;
};

// $XDG_STATE_HOME/plandeck/recovery/<digest of the working folder's path>,
// or ~/.local/state/... when XDG_STATE_HOME is not set.
QString recoveryFolder();

// A record's bytes: one header line (format, date, sizes and an MD5 check
// over all of it) and then the loaded bytes and the text in UTF-8.
QByteArray serializeRecord(const RecoveryRecord& record);
// False for bytes that are not a whole, intact record.
bool parseRecord(const QByteArray& bytes, RecoveryRecord& record);

// Whether the record's note already holds its text as a save writes it: the
// text was saved just before the program ended.
bool isSavedAlready(const RecoveryRecord& record);

// This copy's records. Every call may be made from any thread, one at a
// time. Nothing touches the disk before the first write or adopt.
class RecoveryJournal
{
public:
    explicit RecoveryJournal(QString folder);
    // Gives up the lock. The lock file goes too when no record is left.
    ~RecoveryJournal();
    Q_DISABLE_COPY_MOVE(RecoveryJournal)

    // Replaces the day's record durably: each file is written afresh,
    // synced and renamed into place, then the folder is synced, and only
    // then does the earlier record go. A record larger than the process's
    // file size limit is written in parts each within it. Returns an error
    // text, empty on success.
    QString write(const RecoveryRecord& record);
    // Removes the day's record, if any.
    void remove(const QDate& date);
    // The first file of the day's record; empty when there is none.
    QString pathOf(const QDate& date) const;
    QList<QDate> recordedDates() const;

    struct Adopted
    {
        QList<RecoveryRecord> records;
        // Records that could not be read, renamed to end in ".damaged".
        QStringList damaged;
    };
    // Takes over the records of every copy that has ended (whose lock is
    // free): each is written as this copy's own before the old one goes, so
    // a crash meanwhile loses nothing. A day recorded by two ended copies is
    // taken from one; the other waits for the next start.
    Adopted adopt();

    const QString& folder() const { return m_folder; }

private:
    QString openSession();
    QString writeLocked(const RecoveryRecord& record);
    void removeLocked(const QDate& date);

    mutable QMutex m_mutex;
    QString m_folder;
    QString m_session;
    int m_lockFd = -1;
    quint64 m_generation = 0;
    // The files of each day's current record.
    QHash<QDate, QStringList> m_files;
};

} // namespace plandeck
