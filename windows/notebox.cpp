#include "windows/notebox.h"

#include "core/notes/notetext.h"

namespace plandeck {

NoteBox::NoteBox(int index, QWidget* parent) : QPlainTextEdit(parent), m_index(index)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(document(), &QTextDocument::contentsChanged, this, &NoteBox::onContentsChange);
}

void NoteBox::setTextUnedited(const QString& text)
{
    m_loading = true;
    setPlainText(text);
    m_loading = false;
    m_loadedText = toPlainText();
    m_edited = false;
}

void NoteBox::showKeptNote(const QString& explanation)
{
    m_editable = false;
    m_loadedBytes.clear();
    setReadOnly(true);
    setTextUnedited(explanation);
}

void NoteBox::showNote(const NoteRead& note, const QString& source)
{
    const bool sameNote = source == m_source;
    m_source = source;
    if (!note.isReadable()) {
        showKeptNote(QStringLiteral("(This note could not be read and is left as it is. %1)")
                         .arg(note.error));
        return;
    }
    if (isTooLargeToEdit(note.bytes)) {
        showKeptNote(QStringLiteral("(This note is too large to edit here: %1 bytes. It is "
                                    "left as it is and still shows in reports and reminders.)")
                         .arg(note.bytes.size()));
        return;
    }
    const bool wasEditable = m_editable;
    m_editable = true;
    setReadOnly(false);
    if (wasEditable && sameNote) {
        NoteSnapshot current = snapshot();
        if (current.bytes == note.bytes) {
            markSaved(std::move(current));
            return;
        }
    }
    m_loadedBytes = note.bytes;
    setTextUnedited(displayText(note.bytes));
}

NoteSnapshot NoteBox::snapshot() const
{
    // Unedited, the text is the loaded text: no need to read the document.
    if (!m_edited) {
        return {m_loadedText, m_loadedBytes};
    }
    QString text = toPlainText();
    QByteArray bytes = text == m_loadedText ? m_loadedBytes : storedBytes(text);
    return {std::move(text), std::move(bytes)};
}

void NoteBox::markSaved(NoteSnapshot saved)
{
    m_loadedText = std::move(saved.text);
    m_loadedBytes = std::move(saved.bytes);
    m_edited = false;
}

void NoteBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    Q_EMIT focusGained(m_index);
}

void NoteBox::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    Q_EMIT focusLost(m_index);
}

void NoteBox::onContentsChange()
{
    if (!m_loading) {
        m_edited = true;
    }
}

} // namespace plandeck
