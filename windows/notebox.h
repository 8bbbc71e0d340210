#pragma once

#include "core/notes/notestore.h"

#include <QByteArray>
#include <QPlainTextEdit>

// The note box of one grid cell. The document's modified flag tells whether
// the user has typed since the note was loaded or saved, so that a box nobody
// typed into never writes its (possibly stale) text over a file another
// program has changed.

namespace plandeck {

class NoteBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    NoteBox(int index, QWidget* parent);

    int index() const { return m_index; }

    // Shows a note read from the store; source names its file. A note that
    // could not be read, or is too large to edit, is shown as such, read-only,
    // and is never saved. A box that already shows this very note, unchanged,
    // keeps its cursor, scroll position and undo steps; one that shows an
    // older state of it keeps its scroll position.
    //
    // A note read only in part (not complete) shows as a preview: its first
    // lines, read-only. A preview is never saved: the box shows the whole
    // note before it can be edited.
    void showNote(const NoteRead& note, const QString& source);
    bool isPreview() const { return m_preview; }

    bool isEdited() const;
    // False for a note that could not be read or is too large to edit, and
    // for a preview: such a box is read-only and never saves.
    bool isEditable() const { return m_editable; }

    // The text as typed: line breaks as '\n', no-break spaces kept.
    QString noteText() const;
    // Whether the text is the one loaded or last saved.
    bool isLoadedText(const QString& text) const { return text == m_loadedText; }
    // Counts every change of the text, undo included: a save made on another
    // thread tells by it whether the user typed while it was being written.
    quint64 changeCount() const { return m_changeCount; }
    // After a successful save: the saved text is the new baseline and the
    // box counts as unedited, unless the text changed after the change
    // count the save was taken at. bytes are what the file holds now;
    // without them the file is as it was loaded.
    void markSaved(const QString& text);
    void markSaved(const QString& text, const QByteArray& bytes, quint64 changeCount);
    // The file's bytes as this box last read or wrote them, so that a save
    // can tell whether someone else has written the file since.
    const QByteArray& loadedBytes() const { return m_loadedBytes; }
    // Text typed before the program last ended and never saved: shown as an
    // unsaved edit of the note as the cell had loaded it then (loaded), so
    // that a save keeps whatever the file holds now if it changed since.
    void takeUnsavedText(const QString& text, const QByteArray& loaded);

Q_SIGNALS:
    void focusGained(int index);
    void focusLost(int index);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setTextUnedited(const QString& text);
    void showKeptNote(const QString& explanation);
    void showPreview(const NoteRead& note);

    int m_index;
    QString m_source;
    QString m_loadedText;
    QByteArray m_loadedBytes;
    quint64 m_changeCount = 0;
    bool m_editable = true;
    bool m_preview = false;
};

// A note beyond this many bytes shows as a preview until its box takes the
// focus: laying out all of it would slow down every month that holds it.
inline constexpr qint64 kPreviewBytes = 64 * 1024;

} // namespace plandeck
