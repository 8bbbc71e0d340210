#include "windows/notecell.h"

#include "core/notes/notetext.h"
#include "windows/notebox.h"

#include <QCoreApplication>
#include <QtConcurrentRun>
#include <algorithm>
#include <utility>

namespace plandeck {

namespace {

QString tooLargeNotice(qint64 size)
{
    return QCoreApplication::translate(
               "NoteCell", "(This note is too large to edit here: %1 bytes. It is left as it is "
                           "and still shows in reports and reminders.)")
        .arg(size);
}

} // namespace

NoteCell::NoteCell(NoteBox* box, QObject* parent) : QObject(parent), m_box(box)
{
    connect(box->document(), &QTextDocument::contentsChanged, this, [this] {
        ++m_changeCount;
        if (!m_loading) {
            Q_EMIT edited();
        }
    });
    // A preview becomes the whole note as soon as the user clicks into it.
    connect(box, &NoteBox::focusGained, this, [this] {
        if (m_day != 0 && m_shown == Shown::Preview) {
            load();
        }
    });
    connect(&m_worker, &QFutureWatcherBase::finished, this, &NoteCell::finishSave);
}

NoteCell::~NoteCell()
{
    // Quitting: a save on its way is written to the end.
    m_worker.waitForFinished();
}

QString NoteCell::text() const
{
    return m_box->noteText();
}

QString NoteCell::path() const
{
    return GetFileName(m_day, m_month, m_year);
}

bool NoteCell::isEdited() const
{
    return m_box->isEdited();
}

bool NoteCell::isBeingEdited() const
{
    return m_box->isEdited() || m_box->hasFocus() || isBusy();
}

void NoteCell::showDay(Int16 day, Int16 month, Int16 year)
{
    if (isEdited()) {
        return;
    }
    m_day = day;
    m_month = month;
    m_year = year;
    // Already showing this very file (the month shown again): the box stays
    // as it is, with its cursor, scroll position and undo steps.
    if (m_source == path() && lookUpNote(m_source).stamp == m_stamp &&
        !(m_shown == Shown::Preview && m_box->hasFocus())) {
        return;
    }
    load();
}

void NoteCell::clearDay()
{
    m_day = m_month = m_year = 0;
}

void NoteCell::checkOutside()
{
    if (m_day != 0 && !isBeingEdited() && lookUpNote(path()).stamp != m_stamp) {
        load();
    }
}

void NoteCell::takeInRewrite()
{
    if (m_day != 0 && !m_box->isEdited() && !isBusy()) {
        load();
    }
}

// The one rule of what a cell shows: a box with the cursor in it is edited at
// once and gets the whole note up to the largest a box edits; any other gets
// at most a preview's worth.
void NoteCell::load()
{
    const QString source = path();
    const bool sameNote = source == m_source;
    m_source = source;
    const NoteRead note =
        readNoteFile(source, m_box->hasFocus() ? kLargestEditableNote : kPreviewBytes);
    m_stamp = note.stamp;
    if (!note.isReadable()) {
        show(Shown::Notice,
             QCoreApplication::translate("NoteCell",
                                         "(This note could not be read and is left as it is. %1)")
                 .arg(note.error),
             {}, sameNote);
        return;
    }
    if (note.complete) {
        if (isTooLargeToEdit(note.bytes)) {
            show(Shown::Notice, tooLargeNotice(note.bytes.size()), {}, sameNote);
        } else {
            show(Shown::Whole, displayText(note.bytes), note.bytes, sameNote);
        }
        return;
    }
    // A preview ends with the last whole line of what was read.
    const QByteArray& bytes = note.bytes;
    const qsizetype lastBreak = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
    QByteArray lines = bytes.left(std::max<qsizetype>(lastBreak, 0));
    if (lines.endsWith('\r')) {
        lines.chop(1);
    }
    if (note.fileSize > kLargestEditableNote || lastBreak < 0 ||
        bytes.size() - lastBreak > kLongestEditableLine || isTooLargeToEdit(lines)) {
        show(Shown::Notice, tooLargeNotice(note.fileSize), {}, sameNote);
        return;
    }
    show(Shown::Preview,
         displayText(lines) + QCoreApplication::translate(
                                  "NoteCell", "\n\n(This note goes on: %1 bytes in all. It shows "
                                              "in full when you click into it.)")
                                  .arg(note.fileSize),
         {}, sameNote);
}

void NoteCell::show(Shown shown, const QString& text, const QByteArray& bytes, bool sameNote)
{
    const bool unchanged =
        sameNote && m_shown == Shown::Whole && shown == Shown::Whole && text == m_loadedText;
    m_shown = shown;
    m_loadedBytes = bytes;
    m_loadedText = shown == Shown::Whole ? text : QString();
    // The same note as shown: the cursor, scroll position and undo steps stay.
    if (unchanged) {
        return;
    }
    m_loading = true;
    if (shown == Shown::Whole) {
        // The same note changed by another program: the reader keeps their place.
        m_box->showEditable(text, sameNote);
    } else {
        m_box->showReadOnly(text);
    }
    m_loading = false;
}

NoteCell::Stored NoteCell::store(Int16 day, Int16 month, Int16 year, const QString& text,
                                 const QByteArray& loaded)
{
    // Bytes someone else wrote since the cell loaded the note are kept beside
    // it by the store, never replaced unseen.
    QByteArray bytes = storedBytes(text, loaded);
    StoreResult result = bytes.isEmpty() ? DeleteData(day, month, year, &loaded)
                                         : UpdateData(day, month, year, bytes, &loaded);
    return {std::move(bytes), std::move(result)};
}

bool NoteCell::save(SaveOn on)
{
    // Nothing to save for a cell without a day, for a note kept as it is
    // (unreadable, too large, a preview), or for text nobody changed since
    // it was loaded or saved: rewriting it could only overwrite a newer file.
    if (m_day == 0 || m_shown != Shown::Whole || !isEdited()) {
        return true;
    }
    // The saves of a note reach its file in the order they were made.
    if (isBusy()) {
        m_saveAgain = m_saveAgain == SaveOn::Now ? SaveOn::Now : on;
        return true;
    }
    const Pending save{text(), m_changeCount};
    // Typed and taken back: the file may have changed outside meanwhile.
    if (save.text == m_loadedText) {
        m_box->setUnedited();
        Q_EMIT saved({});
        return true;
    }
    // The box stays edited until the save is taken in, so nothing reloads it.
    if (on == SaveOn::Worker && save.text.size() > kLargestForegroundSave && m_box->hasFocus()) {
        m_pending = save;
        m_worker.setFuture(
            QtConcurrent::run(&NoteCell::store, m_day, m_month, m_year, save.text, m_loadedBytes));
        Q_EMIT busyChanged(true);
        return true;
    }
    return takeIn(save, store(m_day, m_month, m_year, save.text, m_loadedBytes));
}

void NoteCell::finishSave()
{
    if (!m_pending) {
        return;
    }
    const Pending save = *std::exchange(m_pending, std::nullopt);
    takeIn(save, m_worker.result());
    // A save asked for meanwhile by someone who needs the text saved goes
    // first, so that whoever waits for the cell finds it saved; one asked for
    // by a timer tick may go to the worker again.
    const std::optional<SaveOn> again = std::exchange(m_saveAgain, std::nullopt);
    if (again == SaveOn::Now) {
        this->save(SaveOn::Now);
    }
    Q_EMIT busyChanged(false);
    if (again == SaveOn::Worker) {
        this->save(SaveOn::Worker);
    }
}

void NoteCell::takeUnsavedText(const QString& text, const QByteArray& loaded)
{
    m_shown = Shown::Whole;
    m_loadedBytes = loaded;
    m_loadedText = displayText(loaded);
    m_loading = true;
    m_box->showEditable(text, false);
    m_loading = false;
    // Unsaved until a save writes it, though nobody typed it in this run.
    m_box->document()->setModified(true);
}

bool NoteCell::takeIn(const Pending& save, const Stored& stored)
{
    if (!stored.result.isOk()) {
        Q_EMIT saveFailed(stored.result.error);
        return false;
    }
    m_loadedText = save.text;
    m_loadedBytes = stored.bytes;
    m_stamp = lookUpNote(path()).stamp;
    // Typed on while the save ran: those keys are saved by the next one.
    if (save.changeCount == m_changeCount) {
        m_box->setUnedited();
    }
    Q_EMIT saved(stored.result.keptFile);
    return true;
}

} // namespace plandeck
