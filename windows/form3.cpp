#include "windows/form3.h"

#include "core/layout/formlayout.h"
#include "windows/desktop.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace plandeck {

Form3::Form3()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Plandeck"));
    setFixedSize(toPixels(5790), toPixels(5055));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    QFont buttonFont(QStringLiteral("MS Sans Serif"));
    buttonFont.setPointSizeF(8.25);
    buttonFont.setBold(true);

    Command1 = new QPushButton(tr("Bring up the Plandeck"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(toPixels(TwipsRect{2520, 4560, 3135, 375}));
    Command1->setFont(buttonFont);
    Command2 = new QPushButton(tr("Close"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(toPixels(TwipsRect{120, 4560, 2415, 375}));
    Command2->setFont(buttonFont);

    Text1 = new QPlainTextEdit(QStringLiteral("Text1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(toPixels(TwipsRect{120, 120, 5535, 4335}));
    QFont textFont(QStringLiteral("Times New Roman"));
    textFont.setPointSizeF(15.75);
    Text1->setFont(textFont);
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xCC)); // 0x00CCFFFF
    setReadableText(palette);
    Text1->setPalette(palette);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Nothing reads the text back: it can be selected and copied, not changed.
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    // Enter presses the focused button, and "Bring up the Plandeck" from the
    // text box (keyPressEvent).
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    Command1->setDefault(true);
    installAccessibleWindows();

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
}

void Form3::setDigest(const QString& digest)
{
    QString text = digest;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(text);
}

void Form3::Command1_Click()
{
    hide();
    Q_EMIT bringUpRequested();
}

void Form3::Command2_Click()
{
    close();
}

void Form3::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        Command2->click();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Command1->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Form3::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_closed) {
        m_closed = true;
        Q_EMIT closed();
    }
}

} // namespace plandeck
