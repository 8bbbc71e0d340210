#include "windows/notebox.h"

#include "core/notes/notetext.h"

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
    connect(document(), &QTextDocument::contentsChanged, this, [this] { ++m_changeCount; });
}

bool NoteBox::isEdited() const
{
    return document()->isModified();
}

void NoteBox::setTextUnedited(const QString& text)
{
    // The document takes the text itself: QPlainTextEdit::setPlainText would
    // also select the whole text to reset its format and lay out its last
    // lines to place the cursor, a sixth of a month step. Either way the text
    // shows from its start with an empty undo history.
    document()->setPlainText(text);
    m_loadedText = text;
    document()->setModified(false);
}

void NoteBox::showKeptNote(const QString& explanation)
{
    m_editable = false;
    m_loadedBytes.clear();
    setReadOnly(true);
    setTextUnedited(explanation);
}

namespace {

QString tooLargeNotice(qint64 size)
{
    return QStringLiteral("(This note is too large to edit here: %1 bytes. It is left as it is "
                          "and still shows in reports and reminders.)")
        .arg(size);
}

} // namespace

void NoteBox::showNote(const NoteRead& note, const QString& source)
{
    const bool sameNote = source == m_source;
    m_source = source;
    m_preview = false;
    if (!note.isReadable()) {
        showKeptNote(QStringLiteral("(This note could not be read and is left as it is. %1)")
                         .arg(note.error));
        return;
    }
    if (!note.complete) {
        showPreview(note);
        return;
    }
    if (isTooLargeToEdit(note.bytes)) {
        showKeptNote(tooLargeNotice(note.bytes.size()));
        return;
    }
    const QString text = displayText(note.bytes);
    m_loadedBytes = note.bytes;
    // The same note as shown: keep the cursor, scroll position and undo steps.
    if (m_editable && sameNote && text == m_loadedText) {
        return;
    }
    // The same note changed by another program: the reader keeps their place.
    const int scrolled = sameNote ? verticalScrollBar()->value() : 0;
    const int cursorAt = sameNote ? textCursor().position() : 0;
    m_editable = true;
    setReadOnly(false);
    setTextUnedited(text);
    if (sameNote) {
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(cursorAt, document()->characterCount() - 1));
        setTextCursor(cursor);
        verticalScrollBar()->setValue(scrolled);
    }
}

void NoteBox::showPreview(const NoteRead& note)
{
    // The preview ends with the last whole line of what was read.
    const QByteArray& bytes = note.bytes;
    const qsizetype lastBreak = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
    QByteArray lines = bytes.left(std::max<qsizetype>(lastBreak, 0));
    if (lines.endsWith('\r')) {
        lines.chop(1);
    }
    if (note.fileSize > kLargestEditableNote || lastBreak < 0 ||
        bytes.size() - lastBreak > kLongestEditableLine || isTooLargeToEdit(lines)) {
        showKeptNote(tooLargeNotice(note.fileSize));
        return;
    }
    m_preview = true;
    m_editable = false;
    m_loadedBytes.clear();
    setReadOnly(true);
    setTextUnedited(displayText(lines) +
                    QStringLiteral("\n\n(This note goes on: %1 bytes in all. It shows in full "
                                   "when you click into it.)")
                        .arg(note.fileSize));
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

void NoteBox::markSaved(const QString& text)
{
    m_loadedText = text;
    document()->setModified(false);
}

void NoteBox::markSaved(const QString& text, const QByteArray& bytes, quint64 changeCount)
{
    m_loadedText = text;
    m_loadedBytes = bytes;
    if (changeCount == m_changeCount) {
        document()->setModified(false);
    }
}

void NoteBox::takeUnsavedText(const QString& text, const QByteArray& loaded)
{
    m_preview = false;
    m_editable = true;
    setReadOnly(false);
    setTextUnedited(text);
    m_loadedText = displayText(loaded);
    m_loadedBytes = loaded;
    document()->setModified(true);
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
