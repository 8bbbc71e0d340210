#pragma once

#include <QPlainTextEdit>

// The note box of one grid cell: it shows a note and lets the user edit it.
// What the note is, where it came from and when it is saved is its cell's
// business (NoteCell). The document's modified flag tells whether the user
// has typed since the text was shown or saved.

namespace plandeck {

class NoteBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    NoteBox(int index, QWidget* parent);

    int index() const { return m_index; }

    // Shows a text to edit. keepPlace: it is a newer state of the note shown,
    // so the cursor and scroll position stay where the reader had them.
    void showEditable(const QString& text, bool keepPlace);
    // Shows a text that is not the note itself (a notice, a preview),
    // read-only.
    void showReadOnly(const QString& text);

    bool isEdited() const { return document()->isModified(); }
    // The text shown is now what the note holds.
    void setUnedited() { document()->setModified(false); }

    // The text as typed: line breaks as '\n', no-break spaces kept.
    QString noteText() const;

Q_SIGNALS:
    void focusGained(int index);
    void focusLost(int index);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setTextUnedited(const QString& text);

    int m_index;
};

} // namespace plandeck
