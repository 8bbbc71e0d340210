#include "windows/helpwindow.h"

#include "core/version.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace plandeck {

namespace {

// The keys in the order the README's table gives them.
constexpr struct
{
    const char* keys;
    const char* does;
} kKeys[] = {
    {QT_TRANSLATE_NOOP("HelpWindow", "Ctrl+Page Down / Ctrl+Page Up"),
     QT_TRANSLATE_NOOP("HelpWindow", "next / previous month")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Ctrl+Shift+Page Down / Ctrl+Shift+Page Up"),
     QT_TRANSLATE_NOOP("HelpWindow", "next / previous year")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Ctrl++ (or Ctrl+=) / Ctrl+-"),
     QT_TRANSLATE_NOOP("HelpWindow", "larger / smaller note text")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Ctrl+P"), QT_TRANSLATE_NOOP("HelpWindow", "print the month")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Ctrl+F"),
     QT_TRANSLATE_NOOP("HelpWindow", "Find Notes; again: bring it back with its text selected")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Ctrl+G"), QT_TRANSLATE_NOOP("HelpWindow", "Go to Date")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Tab / Shift+Tab"),
     QT_TRANSLATE_NOOP("HelpWindow", "next / previous day's note; past the last or first day, "
                                     "the buttons on top")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Ctrl+Tab"),
     QT_TRANSLATE_NOOP("HelpWindow", "types a tab into the note")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Alt+Left / Alt+Right"),
     QT_TRANSLATE_NOOP("HelpWindow", "previous / next day, cursor in that day's note")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Alt+Up / Alt+Down"),
     QT_TRANSLATE_NOOP("HelpWindow", "same weekday a week earlier / later")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Alt+Home"),
     QT_TRANSLATE_NOOP("HelpWindow", "today's month, cursor in today's note")},
    {QT_TRANSLATE_NOOP("HelpWindow", "F1"), QT_TRANSLATE_NOOP("HelpWindow", "this help")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Ctrl+Q"),
     QT_TRANSLATE_NOOP("HelpWindow", "quit, exactly like closing the window")},
    {QT_TRANSLATE_NOOP("HelpWindow", "Escape"),
     QT_TRANSLATE_NOOP("HelpWindow", "closes the reminder, About, Find Notes, Go to Date, "
                                     "this help and messages")},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("HelpWindow", text);
}

} // namespace

QString helpText(const QString& dataFolder)
{
    QString html = QStringLiteral("<h3>%1</h3><table cellpadding=\"3\">")
                       .arg(translated(QT_TRANSLATE_NOOP("HelpWindow", "Keys")));
    for (const auto& row : kKeys) {
        html +=
            QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                .arg(translated(row.keys).toHtmlEscaped(), translated(row.does).toHtmlEscaped());
    }
    html +=
        QStringLiteral("</table><h3>%1</h3><p>%2</p>")
            .arg(translated(QT_TRANSLATE_NOOP("HelpWindow", "Where the notes are kept")),
                 translated(QT_TRANSLATE_NOOP(
                                "HelpWindow",
                                "Each day's note is a plain text file named after its date, "
                                "such as 2026-12-06.txt, in the folder %1. Plandeck saves a "
                                "note when you leave its day, about once a minute while you type, "
                                "and when you close the window."))
                     .arg(dataFolder.toHtmlEscaped()));
    return html;
}

HelpWindow::HelpWindow(const QString& dataFolder, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("%1 Help").arg(QLatin1String(kProgramName)));
    setModal(false);
    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("HelpText"));
    m_text->setAccessibleName(windowTitle());
    m_text->setHtml(helpText(dataFolder));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(560, 520);
}

} // namespace plandeck
