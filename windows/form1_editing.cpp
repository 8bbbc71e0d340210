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
#include "windows/notewatch.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QtConcurrentRun>
#include <algorithm>
#include <utility>

namespace plandeck {

Form1::StoredText Form1::storeText(Int16 day, Int16 month, Int16 year, const QString& text,
                                   const QByteArray& loaded)
{
    // Bytes someone else wrote since the box loaded the note are kept beside
    // it by the store, never replaced unseen.
    QByteArray bytes = storedBytes(text, loaded);
    StoreResult result = bytes.isEmpty() ? DeleteData(day, month, year, &loaded)
                                         : UpdateData(day, month, year, bytes, &loaded);
    return {std::move(bytes), std::move(result)};
}

bool Form1::UpdateDay(Int16 Index, Int16 month, Int16 year, SaveOn on)
{
    // The saves of a note reach its file in the order they were made.
    finishBackgroundSave();
    const Int16 day = GetDay(Index, month, year);
    NoteBox* box = Text1[std::size_t(Index)];
    // Nothing to save for a cell without a day, for a note kept as it is
    // (unreadable or too large), or for a box the user has not changed since
    // it was loaded or saved: rewriting it could only overwrite a newer file.
    // Once the window has unloaded, a note the user chose to discard stays so.
    if (!m_loaded || day == 0 || !box->isEditable() || !box->isEdited()) {
        return true;
    }
    const QString text = box->noteText();
    // Typed and taken back: the file may have changed outside meanwhile.
    if (box->isLoadedText(text)) {
        box->markSaved(text);
        takeBackResolvedWarning();
        return true;
    }
    const PendingSave save{Index, day, month, year, text, box->changeCount()};
    // Converting and writing megabytes would hold up the typing; the box
    // stays edited until the save is taken in, so nothing reloads it.
    if (on == SaveOn::Worker && text.size() > kPreviewBytes && box->hasFocus()) {
        m_pendingSave = save;
        m_backgroundSave.setFuture(
            QtConcurrent::run(&Form1::storeText, day, month, year, text, box->loadedBytes()));
        return true;
    }
    return takeInSave(save, storeText(day, month, year, text, box->loadedBytes()));
}

void Form1::finishBackgroundSave()
{
    if (m_pendingSave) {
        const PendingSave save = *std::exchange(m_pendingSave, std::nullopt);
        takeInSave(save, m_backgroundSave.result());
    }
}

bool Form1::takeInSave(const PendingSave& save, const StoredText& stored)
{
    const StoreResult& result = stored.result;
    const QString heading = dayHeading(save.day, save.month, save.year);
    if (!result.isOk()) {
        m_services.warn(QStringLiteral("The note of %1 could not be saved.\n%2\n\nThe text stays "
                                       "in its box and is saved again at the next chance.")
                            .arg(heading, result.error));
        m_saveWarningShown = true;
        return false;
    }
    Text1[std::size_t(save.index)]->markSaved(save.text, stored.bytes, save.changeCount);
    m_watch->saved(save.index);
    takeBackResolvedWarning();
    if (!result.keptFile.isEmpty()) {
        m_services.warn(QStringLiteral("The note of %1 was changed by another program while you "
                                       "were editing it. Your text is saved as the note; the "
                                       "other text is kept in %2.")
                            .arg(heading, result.keptFile));
        // This message replaced any earlier failure's; no later success takes it back.
        m_saveWarningShown = false;
    }
    return true;
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
    return saveNotes(SaveOn::UiThread);
}

bool Form1::saveNotes(SaveOn on)
{
    // The box being edited, and any box whose save failed earlier: a box
    // counts as edited until its text is saved.
    bool allSaved = true;
    for (Int16 i = 1; i <= kGridCells; ++i) {
        if (Text1[std::size_t(i)]->isEdited()) {
            allSaved = UpdateDay(i, M, y, on) && allSaved;
        }
    }
    return allSaved;
}

bool Form1::hasUnsavedNotes()
{
    finishBackgroundSave();
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
    if (!saveNotes() && askBeforeDiscarding &&
        !m_services.confirm(QStringLiteral("A note could not be saved. Close Plandeck anyway "
                                           "and lose the text of that note?"))) {
        return false;
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
