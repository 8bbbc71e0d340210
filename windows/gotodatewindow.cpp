#include "windows/gotodatewindow.h"

#include "core/calendar/typeddate.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShortcut>
#include <QVBoxLayout>

namespace plandeck {

GoToDateWindow::GoToDateWindow(std::function<QDate()> today)
    : QWidget(nullptr, Qt::Window), m_today(std::move(today))
{
    setObjectName(QStringLiteral("GoToDate"));
    setWindowTitle(tr("Go to Date"));

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("GoToDateText"));
    m_text->setAccessibleName(tr("Date"));
    m_text->setPlaceholderText(typedDateExample(QLocale(), m_today()));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("GoToDateMessage"));
    m_message->setWordWrap(true);
    m_message->setAccessibleName(tr("Message"));
    m_message->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_message);
    layout->addStretch();
    resize(320, sizeHint().height() + m_text->sizeHint().height());

    connect(m_text, &QLineEdit::returnPressed, this, &GoToDateWindow::go);
    connect(m_text, &QLineEdit::textEdited, m_message, &QLabel::hide);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void GoToDateWindow::bringUp()
{
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->selectAll();
}

void GoToDateWindow::go()
{
    const TypedDate typed = parseTypedDate(m_text->text(), QLocale(), m_today());
    if (!typed.isValid()) {
        m_message->setText(typed.error);
        m_message->show();
        // The wrapped message takes as many lines as the font and screen
        // need: the window grows to hold them all.
        layout()->activate();
        if (const int needed = layout()->totalHeightForWidth(width()); height() < needed) {
            resize(width(), needed);
        }
        return;
    }
    m_message->hide();
    Q_EMIT dateChosen(typed.date);
}

} // namespace plandeck
