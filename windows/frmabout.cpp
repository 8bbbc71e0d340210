#include "windows/frmabout.h"

#include "core/layout/formlayout.h"
#include "core/version.h"
#include "windows/pictures.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace plandeck {

frmAbout::frmAbout()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(QLatin1String(kProgramName)));
    setFixedSize(toPixels(5820), toPixels(2730));
    setModal(false);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(toPixels(TwipsRect{240, 240, 765, 765}));
    picIcon->setPixmap(resourcePicture(QStringLiteral(":/plandeck/icon.gif")));
    picIcon->setAlignment(Qt::AlignCenter);

    lblTitle = new QLabel(
        QStringLiteral("%1 %2").arg(QLatin1String(kProgramName), QLatin1String(kProgramVersion)),
        this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(toPixels(TwipsRect{1080, 240, 3885, 480}));

    lblDescription = new QLabel(tr("A month planner that keeps one note per day. "
                                   "Copyright \u00A9 2026 the Plandeck developers."),
                                this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(toPixels(TwipsRect{1080, 1320, 3885, 810}));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(toPixels(TwipsRect{2160, 2280, 1260, 345}));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    setTabOrder(cmdOK, picIcon);
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
    if (!m_closed) {
        m_closed = true;
        Q_EMIT closed();
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
