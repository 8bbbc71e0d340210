// The main window's side of the recovery journal: every change of a cell's
// text is recorded outside data/ within two seconds, a saved cell's record
// goes, and at the next start what an earlier run could not save comes back
// into its cell as an unsaved edit.
#include "windows/form1.h"

#include "windows/notebox.h"
#include "windows/notecell.h"
#include "windows/recoveryrecorder.h"

#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

namespace plandeck {

void Form1::createRecovery()
{
    m_recovery = new RecoveryRecorder(
        [this](int index) {
            const NoteCell* cell = m_cells[std::size_t(index)];
            if (cell->day() == 0 || cell->shown() != NoteCell::Shown::Whole || !cell->isEdited()) {
                return RecoveryRecorder::Cell{};
            }
            QString text = cell->text();
            const bool unsaved = !cell->isLoadedText(text);
            return RecoveryRecorder::Cell{cell->date(), cell->loadedBytes(), std::move(text),
                                          unsaved};
        },
        recoveryFolder(), this);
    // A save, an emptying and text typed back to what was loaded all say saved.
    for (Int16 i = 1; i <= kGridCells; ++i) {
        const NoteCell* cell = m_cells[std::size_t(i)];
        connect(cell, &NoteCell::edited, this, [this, i] { cellChangedForRecovery(i); });
        connect(cell, &NoteCell::saved, this, [this, i] { cellSavedForRecovery(i); });
    }
}

void Form1::cellChangedForRecovery(Int16 Index)
{
    m_recovery->cellChanged(Index);
}

void Form1::cellSavedForRecovery(Int16 Index)
{
    const bool stillEdited = m_cells[std::size_t(Index)]->isEdited();
    m_recovery->cellSaved(Index, stillEdited);
    // A restored cell is bold until saved, like the one being edited.
    if (!stillEdited && Index != EditIndex) {
        setDayButtonHighlight(Index, false);
    }
}

void Form1::restoreRecovered()
{
    RecoveryJournal::Adopted adopted = m_recovery->adopt();
    if (adopted.records.isEmpty() && adopted.damaged.isEmpty()) {
        return;
    }
    std::sort(adopted.records.begin(), adopted.records.end(),
              [](const RecoveryRecord& a, const RecoveryRecord& b) { return a.date < b.date; });
    // The month of the earliest day is shown; other months' records wait in
    // the journal for a later start.
    if (!adopted.records.isEmpty()) {
        M = Int16(adopted.records.first().date.month());
        y = Int16(adopted.records.first().date.year());
        ShowMonth(M, y);
    }
    QStringList restored;
    QStringList waiting;
    NoteBox* first = nullptr;
    for (const RecoveryRecord& record : std::as_const(adopted.records)) {
        const Int16 day = Int16(record.date.day());
        const QString heading = dayHeading(day, record.date.month(), record.date.year());
        if (record.date.month() != M || record.date.year() != y) {
            waiting.append(heading);
            continue;
        }
        const Int16 index = GetIndex(day, M, y);
        NoteBox* box = Text1[std::size_t(index)];
        m_cells[std::size_t(index)]->takeUnsavedText(record.text, record.loaded);
        m_recovery->adoptedInto(index, record.date);
        setDayButtonHighlight(index, true);
        restored.append(heading);
        first = first != nullptr ? first : box;
    }
    if (first != nullptr) {
        first->setFocus();
        first->moveCursor(QTextCursor::End);
    }
    QStringList message;
    if (!restored.isEmpty()) {
        message.append(tr("Text typed but not saved when Plandeck last ended is back in its "
                          "cell: %1. It is saved as usual when you leave the cell.")
                           .arg(restored.join(QStringLiteral("; "))));
    }
    if (!waiting.isEmpty()) {
        message.append(tr("Unsaved text of %1 comes back at a later start.")
                           .arg(waiting.join(QStringLiteral("; "))));
    }
    for (const QString& damaged : std::as_const(adopted.damaged)) {
        message.append(tr("A recovery file could not be read; it is kept as %1.").arg(damaged));
    }
    m_services.warn(message.join(QStringLiteral("\n\n")));
}

void Form1::keepUnsavedForRecovery()
{
    QList<int> cells;
    for (int i = 1; i <= kGridCells; ++i) {
        cells.append(i);
    }
    for (const QString& line : m_recovery->keepNow(cells)) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    std::fflush(stderr);
}

void Form1::discardRecovered()
{
    m_recovery->discard();
}

bool Form1::saveOrKeepNotes()
{
    if (saveNotes()) {
        return true;
    }
    keepUnsavedForRecovery();
    return false;
}

} // namespace plandeck
