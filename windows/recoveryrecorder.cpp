#include "windows/recoveryrecorder.h"

#include "core/calendar/calendar.h"
#include "core/notes/notestore.h"
#include "core/notes/notetext.h"

#include <QCoreApplication>
#include <QtConcurrentRun>
#include <utility>

namespace plandeck {

namespace {

// Within two seconds of a key, the write and sync included.
constexpr int kRecordDelay = 1000;

} // namespace

RecoveryRecorder::RecoveryRecorder(CellReader reader, QString folder, QObject* parent)
    : QObject(parent), m_reader(std::move(reader)),
      m_journal(std::make_shared<RecoveryJournal>(std::move(folder)))
{
    m_pool.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kRecordDelay);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryRecorder::recordChanges);
}

RecoveryRecorder::~RecoveryRecorder()
{
    m_timer.stop();
    m_pool.waitForDone();
}

void RecoveryRecorder::cellChanged(int index)
{
    m_changed.insert(index);
    if (!m_timer.isActive()) {
        m_timer.start();
    }
}

void RecoveryRecorder::cellSaved(int index, bool stillEdited)
{
    if (stillEdited) {
        cellChanged(index);
        return;
    }
    m_changed.remove(index);
    forget(index);
}

void RecoveryRecorder::forget(int index)
{
    if (const QDate date = m_recorded.take(index); date.isValid()) {
        m_last = QtConcurrent::run(&m_pool, [journal = m_journal, date] { journal->remove(date); });
    }
}

void RecoveryRecorder::recordChanges()
{
    // One record on its way at a time; keys typed meanwhile join the next.
    if (m_last.isRunning()) {
        m_timer.start();
        return;
    }
    for (const int index : std::exchange(m_changed, {})) {
        Cell cell = m_reader(index);
        if (m_recorded.value(index) != cell.date || !cell.unsaved) {
            forget(index);
        }
        if (cell.unsaved) {
            m_recorded.insert(index, cell.date);
            m_last = QtConcurrent::run(
                &m_pool,
                [journal = m_journal,
                 record = RecoveryRecord{cell.date, std::move(cell.loaded), std::move(cell.text)}] {
                    journal->write(record);
                });
        }
    }
}

RecoveryJournal::Adopted RecoveryRecorder::adopt()
{
    RecoveryJournal::Adopted adopted = m_journal->adopt();
    // A record whose text the note already holds was saved just before the
    // end: nothing is lost, and restoring it would only look like a conflict.
    adopted.records.removeIf([this](const RecoveryRecord& record) {
        const bool saved = isSavedAlready(record);
        if (saved) {
            m_journal->remove(record.date);
        }
        return saved;
    });
    return adopted;
}

void RecoveryRecorder::adoptedInto(int index, const QDate& date)
{
    m_recorded.insert(index, date);
}

QStringList RecoveryRecorder::keepNow(const QList<int>& cells)
{
    m_timer.stop();
    m_changed.clear();
    m_pool.waitForDone();
    QStringList lines;
    for (const int index : cells) {
        const Cell cell = m_reader(index);
        if (!cell.unsaved) {
            continue;
        }
        // The day's record is replaced only once the new one is on disk.
        if (m_recorded.value(index, cell.date) != cell.date) {
            forget(index);
            m_pool.waitForDone();
        }
        m_recorded.insert(index, cell.date);
        const QString error = m_journal->write({cell.date, cell.loaded, cell.text});
        const QString heading = dayHeading(cell.date.day(), cell.date.month(), cell.date.year());
        lines.append(error.isEmpty()
                         ? QCoreApplication::translate(
                               "Form1", "plandeck: the unsaved text of %1 is kept in %2 and comes "
                                        "back at the next start.")
                               .arg(heading, m_journal->pathOf(cell.date))
                         : QCoreApplication::translate(
                               "Form1", "plandeck: the unsaved text of %1 could not be kept: %2")
                               .arg(heading, error));
    }
    return lines;
}

void RecoveryRecorder::discard()
{
    m_timer.stop();
    m_changed.clear();
    for (const int index : m_recorded.keys()) {
        forget(index);
    }
}

void RecoveryRecorder::waitForWrites()
{
    m_pool.waitForDone();
}

} // namespace plandeck
