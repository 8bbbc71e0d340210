// The main window's note editing: saving a box on focus loss, at every timer
// tick and when the window closes, and keeping what could not be saved.
#include "windows/form1.h"

#include "windows/notebox.h"
#include "core/notes/notestore.h"
#include "core/report/report.h"

#include <QCloseEvent>
#include <QPushButton>
#include <algorithm>

namespace plandeck {

bool Form1::UpdateDay(Int16 Index, Int16 month, Int16 year)
{
    const Int16 day = GetDay(Index, month, year);
    NoteBox* box = Text1[std::size_t(Index)];
    // Nothing to save for a cell without a day, for a note kept as it is
    // (unreadable or too large), or for a box the user has not changed since
    // it was loaded or saved: rewriting it could only overwrite a newer file.
    // Once the window has unloaded, a note the user chose to discard stays so.
    if (!isLoaded() || day == 0 || !box->isEditable() || !box->isEdited()) {
        return true;
    }
    NoteSnapshot note = box->snapshot();
    const StoreResult result = note.bytes.isEmpty() ? DeleteData(day, month, year)
                                                    : UpdateData(day, month, year, note.bytes);
    if (!result.isOk()) {
        m_services.warn(QStringLiteral("The note of %1 could not be saved.\n%2\n\nThe text stays "
                                       "in its box and is saved again at the next chance.")
                            .arg(dayHeading(day, month, year), result.error));
        return false;
    }
    box->markSaved(std::move(note));
    return true;
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
    EditIndex = 0;
    EditDay = 0;
    setDayButtonHighlight(Index, false);
}

void Form1::Timer1_Timer()
{
    saveEditedNote();
}

void Form1::saveEditedNote()
{
    savePendingNotes();
}

bool Form1::savePendingNotes()
{
    // The box being edited, and any box whose save failed earlier: a box
    // counts as edited until its text is saved.
    if (!isGridBuilt()) {
        return true;
    }
    bool allSaved = true;
    for (Int16 i = 1; i <= kGridCells; ++i) {
        if (Text1[std::size_t(i)]->isEdited()) {
            allSaved = UpdateDay(i, M, y) && allSaved;
        }
    }
    return allSaved;
}

bool Form1::hasUnsavedNotes() const
{
    return isGridBuilt() && std::any_of(Text1.begin() + 1, Text1.end(),
                                        [](const NoteBox* box) { return box->isEdited(); });
}

bool Form1::Form_Unload(bool askBeforeDiscarding)
{
    if (EditIndex != 0) {
        Text1_LostFocus(EditIndex);
    }
    if (!savePendingNotes() && askBeforeDiscarding &&
        !m_services.confirm(QStringLiteral("A note could not be saved. Close Plandeck anyway "
                                           "and lose the text of that note?"))) {
        return false;
    }
    cleanUpReports();
    m_windows.remove(this);
    m_windows.unloadAll();
    return true;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!isLoaded()) {
        event->accept();
        return;
    }
    if (Form_Unload(true)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Form1::closeForShutdown()
{
    if (isLoaded()) {
        Form_Unload(false);
        hide();
    }
}

} // namespace plandeck
