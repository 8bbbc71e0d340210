// The main window's note editing: saving a box on focus loss, at every timer
// tick and when the window closes, and keeping what could not be saved.
#include "windows/form1.h"

#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "core/report/report.h"
#include "windows/findwindow.h"
#include "windows/form3.h"
#include "windows/frmabout.h"
#include "windows/gotodatewindow.h"
#include "windows/notebox.h"
#include "windows/notecell.h"
#include "windows/notewatch.h"

#include <QCloseEvent>
#include <QPushButton>
#include <algorithm>
#include <utility>

namespace plandeck {

void Form1::connectCell(NoteCell* cell)
{
    connect(cell, &NoteCell::saveFailed, this,
            [this, cell](const QString& error) { saveFailed(cell, error); });
    connect(cell, &NoteCell::saved, this, [this, cell](const QString& keptFile) {
        takeInSave(cell, keptFile);
        // The save put a new file under the note's name.
        followShownNotes();
    });
    connect(cell, &NoteCell::busyChanged, this, [this](bool busy) {
        if (!busy && m_whenIdle && !whenIdle(m_whenIdle)) {
            std::exchange(m_whenIdle, nullptr)();
        }
    });
}

bool Form1::whenIdle(std::function<void()> action)
{
    if (std::none_of(m_cells.begin() + 1, m_cells.end(),
                     [](const NoteCell* cell) { return cell->isBusy(); })) {
        return false;
    }
    m_whenIdle = std::move(action);
    return true;
}

bool Form1::UpdateDay(Int16 Index, Int16 month, Int16 year, SaveOn on)
{
    // Once the window has unloaded, a note the user chose to discard stays so.
    if (!m_loaded || GetDay(Index, month, year) == 0) {
        return true;
    }
    return m_cells[std::size_t(Index)]->save(on);
}

void Form1::saveFailed(const NoteCell* cell, const QString& error)
{
    m_services.warn(
        tr("The note of %1 could not be saved.\n%2\n\nThe text stays in its box and is saved "
           "again at the next chance.")
            .arg(dayHeading(cell->day(), cell->month(), cell->year()), error));
    m_saveWarningShown = true;
}

void Form1::takeInSave(const NoteCell* cell, const QString& keptFile)
{
    followShownNotes();
    takeBackResolvedWarning();
    if (!keptFile.isEmpty()) {
        m_services.warn(tr("The note of %1 was changed by another program while you were "
                           "editing it. Your text is saved as the note; the other text is kept "
                           "in %2.")
                            .arg(dayHeading(cell->day(), cell->month(), cell->year()), keptFile));
        // This message replaced any earlier failure's; no later success takes it back.
        m_saveWarningShown = false;
    }
}

void Form1::takeBackResolvedWarning()
{
    // A failure on screen is resolved once no box holds unsaved text.
    if (m_saveWarningShown && !hasUnsavedNotes()) {
        m_saveWarningShown = false;
        m_services.dismissWarning();
    }
}

bool Form1::saveNotes()
{
    for (NoteCell* cell : m_cells) {
        if (cell != nullptr) {
            cell->finishSave();
        }
    }
    return saveNotes(SaveOn::Now);
}

bool Form1::saveNotes(SaveOn on)
{
    // The box being edited, and any box whose save failed earlier: a box
    // counts as edited until its text is saved.
    bool allSaved = true;
    for (Int16 i = 1; i <= kGridCells; ++i) {
        if (m_cells[std::size_t(i)]->isEdited()) {
            allSaved = UpdateDay(i, M, y, on) && allSaved;
        }
    }
    return allSaved;
}

bool Form1::hasUnsavedNotes()
{
    return std::any_of(Text1.begin() + 1, Text1.end(),
                       [](const NoteBox* box) { return box->isEdited(); });
}

void Form1::setDayButtonHighlight(Int16 Index, bool editing)
{
    QPushButton* button = Command4[std::size_t(Index)];
    QFont font = button->font();
    font.setBold(editing);
    font.setPointSize(editing ? DayFontSize + 1 : DayFontSize);
    button->setFont(font);
}

void Form1::Text1_GotFocus(Int16 Index)
{
    EditIndex = Index;
    EditDay = GetDay(Index, M, y);
    setDayButtonHighlight(Index, true);
}

void Form1::Text1_LostFocus(Int16 Index)
{
    UpdateDay(Index, M, y);
    // A box left without edits may have missed a change meanwhile.
    checkShownNotes();
    EditIndex = 0;
    EditDay = 0;
    setDayButtonHighlight(Index, false);
}

void Form1::Timer1_Timer()
{
    saveNotes(SaveOn::Worker);
}

bool Form1::Form_Unload(bool askBeforeDiscarding)
{
    // Quitting is the one thing that waits for a save on the worker thread;
    // what was waiting for it is dropped.
    m_whenIdle = nullptr;
    if (!saveNotes()) {
        if (!askBeforeDiscarding) {
            keepUnsavedForRecovery();
        } else if (!m_services.confirm(tr("A note could not be saved. Close Plandeck anyway "
                                          "and lose the text of that note?"))) {
            return false;
        } else {
            discardRecovered();
        }
    }
    if (EditIndex != 0) {
        setDayButtonHighlight(EditIndex, false);
        EditIndex = 0;
        EditDay = 0;
    }
    cleanUpReports();
    m_loaded = false;
    // The other windows, the most recently loaded first.
    if (m_goToDate != nullptr) {
        m_goToDate->close();
    }
    if (m_find != nullptr) {
        m_find->close();
    }
    if (m_about != nullptr) {
        m_about->close();
    }
    if (m_form3 != nullptr) {
        m_form3->close();
    }
    Q_EMIT unloaded();
    return true;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_loaded || Form_Unload(true)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Form1::closeForShutdown()
{
    if (m_loaded) {
        Form_Unload(false);
        hide();
    }
}

} // namespace plandeck
