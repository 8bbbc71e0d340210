#pragma once

#include "core/notes/notestore.h"

#include <QByteArray>
#include <QPlainTextEdit>

// The note box of one grid cell. Besides the text it keeps the bytes the
// note was loaded from: the box shows line breaks its own way, so a note the
// user did not change is written back exactly as it was read. It also keeps
// whether the user edited it, so that a box nobody typed into never writes
// its (possibly stale) text over a file another program has changed.

namespace plandeck {

struct NoteSnapshot
{
    QString text;
    QByteArray bytes;
};

class NoteBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    NoteBox(int index, QWidget* parent);

    int index() const { return m_index; }

    // Shows a note read from the store; source names its file. A note that
    // could not be read, or is too large to edit, is shown as such, read-only,
    // and is never saved. When the box already shows this note and it equals
    // what the box would save anyway, the text is left as it is, keeping the
    // cursor, scroll position and undo steps of a box being edited.
    void showNote(const NoteRead& note, const QString& source);

    bool isEdited() const { return m_edited; }
    // False for a note that could not be read or is too large to edit: such
    // a box shows why, is read-only and never saves.
    bool isEditable() const { return m_editable; }

    // The text and the bytes a save writes, read together so that the text
    // is taken from the document once: the loaded bytes while the text is
    // what was loaded, otherwise storedBytes() of the text.
    NoteSnapshot snapshot() const;

    // After a successful save: the saved snapshot is the new baseline and the
    // box counts as unedited until the user types again.
    void markSaved(NoteSnapshot saved);

Q_SIGNALS:
    void focusGained(int index);
    void focusLost(int index);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onContentsChange();
    void setTextUnedited(const QString& text);
    void showKeptNote(const QString& explanation);

    int m_index;
    QString m_source;
    QByteArray m_loadedBytes;
    QString m_loadedText; // the text as the box reports it right after loading
    bool m_edited = false;
    bool m_editable = true;
    bool m_loading = false;
};

} // namespace plandeck
