#pragma once

#include "core/calendar/calendar.h"
#include "core/notes/notestore.h"

#include <QDate>
#include <QFutureWatcher>
#include <QObject>
#include <optional>

// The note of one shown day, from its file to its box and back: what was
// loaded (bytes, text, the file's stamp), how it shows (whole, as a preview
// or as a notice), and its saves with their results. The box only shows and
// edits; the watch only tells that data/ changed. A save on the worker
// thread makes the cell busy: nobody waits for it but quitting; callers ask
// isBusy() and act on busyChanged(false).

namespace plandeck {

class NoteBox;

// A note beyond this many bytes shows as a preview until its box takes the
// focus: laying out all of it would slow down every month that holds it.
inline constexpr qint64 kPreviewBytes = 64 * 1024;
// A note beyond this many characters that is being typed into is saved on
// the worker thread at a timer tick: converting and writing it would hold up
// the typing.
inline constexpr qsizetype kLargestForegroundSave = 64 * 1024;

class NoteCell : public QObject
{
    Q_OBJECT

public:
    // How the note shows in the box.
    enum class Shown { Whole, Preview, Notice };
    enum class SaveOn { Now, Worker };

    NoteCell(NoteBox* box, QObject* parent);
    ~NoteCell() override;

    NoteBox* box() const { return m_box; }
    // The day shown; day 0 for a cell of the grid that holds no day.
    Int16 day() const { return m_day; }
    Int16 month() const { return m_month; }
    Int16 year() const { return m_year; }
    // The day as a date; invalid for no day (and for year 0, which QDate lacks).
    QDate date() const { return m_day == 0 ? QDate() : QDate(m_year, m_month, m_day); }
    // The text in the box, as typed.
    QString text() const;
    Shown shown() const { return m_shown; }
    // Whether a note file was there when the note was loaded or saved.
    bool hasNoteFile() const { return m_stamp != NoteStamp{}; }
    // The file's bytes as the cell last read or wrote them; empty for no
    // note and for a note not shown whole.
    const QByteArray& loadedBytes() const { return m_loadedBytes; }
    // Whether the text is the one loaded or last saved.
    bool isLoadedText(const QString& text) const { return text == m_loadedText; }

    // Shows the day's note. A cell with unsaved text keeps it; one that
    // shows this very file, unchanged, keeps its cursor, scroll position and
    // undo steps.
    void showDay(Int16 day, Int16 month, Int16 year);
    // The cell holds no day from now on.
    void clearDay();
    // data/ has changed: reloads the note when its file changed and nobody
    // is editing it.
    void checkOutside();
    // The note was rewritten at the user's word (a settled conflict): shown
    // at once, even with the cursor in the box, unless it holds unsaved text.
    void takeInRewrite();

    // Typed text that has not reached the file.
    bool isEdited() const;
    bool isBusy() const { return m_pending.has_value(); }
    // Saves typed text, unless nothing changed or the note is not shown
    // whole. While busy, the save is made once the running one is in. False
    // when the save failed (saveFailed tells why).
    bool save(SaveOn on = SaveOn::Now);
    // Waits for the save on the worker thread and takes it in; for quitting.
    void finishSave();
    // Text typed before the program last ended and never saved, shown as an
    // unsaved edit of the note as the cell had loaded it then (loaded): a
    // save keeps whatever the file holds now beside the note if it changed
    // since.
    void takeUnsavedText(const QString& text, const QByteArray& loaded);

Q_SIGNALS:
    // The user changed the text.
    void edited();
    // The text reached the file (or was what the file held); keptFile names
    // the file that keeps text another program wrote meanwhile, if any.
    void saved(const QString& keptFile);
    void saveFailed(const QString& error);
    void busyChanged(bool busy);

private:
    struct Stored
    {
        QByteArray bytes;
        StoreResult result;
    };
    struct Pending
    {
        QString text;
        quint64 changeCount;
    };
    static Stored store(Int16 day, Int16 month, Int16 year, const QString& text,
                        const QByteArray& loaded);
    QString path() const;
    bool isBeingEdited() const;
    void load();
    void show(Shown shown, const QString& text, const QByteArray& bytes, bool sameNote);
    bool takeIn(const Pending& save, const Stored& stored);

    NoteBox* const m_box;
    Int16 m_day = 0;
    Int16 m_month = 0;
    Int16 m_year = 0;
    Shown m_shown = Shown::Whole;
    QString m_source; // the file last loaded
    QString m_loadedText;
    QByteArray m_loadedBytes;
    NoteStamp m_stamp;
    // Counts every change of the text, undo included: a save on the worker
    // tells by it whether the user typed while it was being written.
    quint64 m_changeCount = 0;
    bool m_loading = false;
    std::optional<Pending> m_pending;
    // A save asked for while busy, made once the running one is in.
    std::optional<SaveOn> m_saveAgain;
    QFutureWatcher<Stored> m_worker;
};

} // namespace plandeck
