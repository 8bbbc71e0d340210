#include "windows/conflictwindow.h"

#include "core/notes/mergenotes.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace plandeck {

namespace {

// A read-only view of one text whose lines missing from the other are marked
// by a background and text colour of their own, readable in any theme, and
// by a bar in the margin for those who cannot tell the colours apart.
QPlainTextEdit* sideView(const QString& text, const QStringList& otherLines, const char* name)
{
    auto* view = new QPlainTextEdit;
    view->setObjectName(QLatin1String(name));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QStringList lines = noteLines(text);
    const QList<bool> missing = linesMissingFrom(lines, otherLines);
    QStringList shown;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        shown.append((missing[i] ? QStringLiteral("\u2503 ") : QStringLiteral("  ")) + lines[i]);
    }
    view->setPlainText(shown.join(QLatin1Char('\n')));
    QList<QTextEdit::ExtraSelection> marks;
    QTextBlock block = view->document()->firstBlock();
    for (qsizetype i = 0; i < lines.size() && block.isValid(); ++i, block = block.next()) {
        if (missing[i]) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(block);
            mark.format.setBackground(QColor(0xFF, 0xE0, 0x80));
            mark.format.setForeground(Qt::black);
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
            marks.append(mark);
        }
    }
    view->setExtraSelections(marks);
    return view;
}

} // namespace

QString conflictTitle(const QDate& date)
{
    return ConflictWindow::tr("Conflict: %1").arg(QLocale().toString(date, QLocale::LongFormat));
}

ConflictWindow::ConflictWindow(const QDate& date, const QString& noteText, const QString& copyText,
                               const QString& copyName, QWidget* parent)
    : QDialog(parent), m_date(date)
{
    setObjectName(QStringLiteral("ConflictWindow"));
    setWindowTitle(conflictTitle(date));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* layout = new QVBoxLayout(this);
    auto* explanation =
        new QLabel(tr("Another copy of this day's note was made while two devices changed it. "
                      "Lines marked \u2503 are missing from the other text.\nThe copy: %1")
                       .arg(copyName));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* sides = new QHBoxLayout;
    const QStringList noteSide = noteLines(noteText);
    const QStringList copySide = noteLines(copyText);
    for (auto [caption, view] :
         {std::pair{tr("This note"), sideView(noteText, copySide, "NoteText")},
          std::pair{tr("The copy"), sideView(copyText, noteSide, "CopyText")}}) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(caption);
        label->setBuddy(view);
        column->addWidget(label);
        column->addWidget(view);
        sides->addLayout(column);
    }
    layout->addLayout(sides);

    auto* buttons = new QDialogButtonBox;
    auto add = [&](const QString& caption, const char* name, Choice choice) {
        QPushButton* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, [this, choice] { Q_EMIT decided(choice); });
        return button;
    };
    QPushButton* keepBothButton = add(tr("Keep Both"), "KeepBoth", Choice::KeepBoth);
    add(tr("Keep This Note"), "KeepNote", Choice::KeepNote);
    add(tr("Use the Copy"), "UseCopy", Choice::UseCopy);
    keepBothButton->setDefault(true);
    keepBothButton->setFocus();
    layout->addWidget(buttons);
    resize(720, 420);
}

} // namespace plandeck
