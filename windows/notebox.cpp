#include "windows/notebox.h"

#include "core/notes/notetext.h"

namespace plandeck {

NoteBox::NoteBox(int index, QWidget* parent) : QPlainTextEdit(parent), m_index(index)
{
    setObjectName(QStringLiteral("Text1(%1)").arg(index));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

bool NoteBox::isEdited() const
{
    return document()->isModified();
}

void NoteBox::setTextUnedited(const QString& text)
{
    setPlainText(text);
    m_loadedText = text;
    document()->setModified(false);
}

void NoteBox::showKeptNote(const QString& explanation)
{
    m_editable = false;
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
    const QString text = displayText(note.bytes);
    // The same note as shown: keep the cursor, scroll position and undo steps.
    if (m_editable && sameNote && text == m_loadedText) {
        return;
    }
    m_editable = true;
    setReadOnly(false);
    setTextUnedited(text);
}

QString NoteBox::noteText() const
{
    // toPlainText() would turn no-break spaces into spaces.
    QString text = document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = QLatin1Char('\n');
        }
    }
    return text;
}

void NoteBox::markSaved(const QString& text)
{
    m_loadedText = text;
    document()->setModified(false);
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

} // namespace plandeck
