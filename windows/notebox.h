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
    // keeps its cursor, scroll position and undo steps.
    void showNote(const NoteRead& note, const QString& source);

    bool isEdited() const;
    // False for a note that could not be read or is too large to edit: such
    // a box shows why, is read-only and never saves.
    bool isEditable() const { return m_editable; }

    // The text as typed: line breaks as '\n', no-break spaces kept.
    QString noteText() const;
    // Whether the text is the one loaded or last saved.
    bool isLoadedText(const QString& text) const { return text == m_loadedText; }
    // After a successful save: the saved text is the new baseline and the
    // box counts as unedited until the user types again.
    void markSaved(const QString& text);

Q_SIGNALS:
    void focusGained(int index);
    void focusLost(int index);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setTextUnedited(const QString& text);
    void showKeptNote(const QString& explanation);

    int m_index;
    QString m_source;
    QString m_loadedText;
    bool m_editable = true;
};

} // namespace plandeck
