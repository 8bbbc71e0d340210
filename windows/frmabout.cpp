#include "windows/frmabout.h"

#include "core/layout/formlayout.h"
#include "windows/pictures.h"
#include "windows/windowlist.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace plandeck {

frmAbout::frmAbout(WindowList& windows)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_windows(windows)
{
    setWindowTitle(QStringLiteral("About Plandeck"));
    setWindowIcon(QIcon(QStringLiteral(":/plandeck/icon.gif")));
    setFixedSize(toPixels(5820), toPixels(2730));
    setModal(false);

    picIcon = new QLabel(this);
    picIcon->setGeometry(toPixels(TwipsRect{240, 240, 765, 765}));
    picIcon->setPixmap(resourcePicture(QStringLiteral(":/plandeck/icon.gif")));
    picIcon->setAlignment(Qt::AlignCenter);

    lblTitle = new QLabel(QStringLiteral("Plandeck 1.2"), this);
    lblTitle->setGeometry(toPixels(TwipsRect{1080, 240, 3885, 480}));

    lblDescription = new QLabel(QStringLiteral("A month planner that keeps one note per day. "
                                               "Copyright \u00A9 2026 the Plandeck developers."),
                                this);
    lblDescription->setGeometry(toPixels(TwipsRect{1080, 1320, 3885, 810}));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblTitle->setPalette(black);
    lblDescription->setPalette(black);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(toPixels(TwipsRect{2160, 2280, 1260, 345}));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    setTabOrder(cmdOK, picIcon);
    m_windows.add(this);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::reject()
{
    close();
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_windows.remove(this)) {
        Q_EMIT unloaded();
    }
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The separator: a white line two pixels wide over a grey one, both at
    // the same height, which reads as an etched groove.
    QPainter painter(this);
    const int lineY = toPixels(2160);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.drawLine(toPixels(90), lineY, toPixels(5654), lineY);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(toPixels(105), lineY + 1, toPixels(5654), lineY + 1);
}

} // namespace plandeck
