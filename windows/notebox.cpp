#include "windows/notebox.h"

#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>

namespace plandeck {

NoteBox::NoteBox(int index, QWidget* parent) : QPlainTextEdit(parent), m_index(index)
{
    setObjectName(QStringLiteral("Text1(%1)").arg(index));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void NoteBox::setTextUnedited(const QString& text)
{
    // The document takes the text itself: QPlainTextEdit::setPlainText would
    // also select the whole text to reset its format and lay out its last
    // lines to place the cursor, a sixth of a month step. Either way the text
    // shows from its start with an empty undo history.
    document()->setPlainText(text);
    document()->setModified(false);
}

void NoteBox::showEditable(const QString& text, bool keepPlace)
{
    const int scrolled = keepPlace ? verticalScrollBar()->value() : 0;
    const int cursorAt = keepPlace ? textCursor().position() : 0;
    setReadOnly(false);
    setTextUnedited(text);
    if (keepPlace) {
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(cursorAt, document()->characterCount() - 1));
        setTextCursor(cursor);
        verticalScrollBar()->setValue(scrolled);
    }
}

void NoteBox::showReadOnly(const QString& text)
{
    setReadOnly(true);
    setTextUnedited(text);
}

QString NoteBox::noteText() const
{
    // toPlainText() would turn no-break spaces into spaces.
    QString text = document()->toRawText();
    // Lines end in paragraph separators, or line separators after Shift+Enter.
    // Written as a select that the compiler vectorises, not as a branch per
    // character: the text can be megabytes.
    std::transform(text.begin(), text.end(), text.begin(), [](QChar c) {
        return c == QChar::ParagraphSeparator || c == QChar::LineSeparator ? QChar(u'\n') : c;
    });
    return text;
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
