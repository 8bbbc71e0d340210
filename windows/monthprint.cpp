#include "windows/monthprint.h"

#include "core/report/report.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace plandeck {

namespace {

constexpr int kColumns = 7;
constexpr int kRows = kGridCells / kColumns;
constexpr qreal kNotePoints = 9;
constexpr qreal kSmallestNotePoints = 5;

QFont fontOf(const QFont& base, qreal points, bool bold = false)
{
    QFont font(base);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The note in the cell's text area, in the largest size up to the usual one
// at which it fits; a note too long even at the smallest is cut at the cell.
void paintNote(QPainter& painter, const QRectF& area, const QString& text)
{
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QFont font = fontOf(painter.font(), kNotePoints);
    for (qreal points = kNotePoints; points >= kSmallestNotePoints; points -= 0.5) {
        font.setPointSizeF(points);
        const QRectF needed = QFontMetricsF(font, painter.device()).boundingRect(area, flags, text);
        if (needed.height() <= area.height()) {
            break;
        }
    }
    painter.save();
    painter.setFont(font);
    painter.setClipRect(area);
    painter.drawText(area, flags, text);
    painter.restore();
}

} // namespace

bool printMonth(QPagedPaintDevice& device, Int16 month, Int16 year)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRectF page(0, 0, device.width(), device.height());
    const qreal pointSize = device.logicalDpiY() / 72.0; // device pixels per point
    painter.setPen(QPen(Qt::black, 0.75 * pointSize));

    const QFont captionFont = fontOf(painter.font(), 16, true);
    painter.setFont(captionFont);
    const qreal captionHeight = QFontMetricsF(captionFont, &device).height() * 1.5;
    painter.drawText(QRectF(page.left(), page.top(), page.width(), captionHeight),
                     Qt::AlignHCenter | Qt::AlignTop, monthCaption(month, year));

    const QFont headerFont = fontOf(painter.font(), 10, true);
    const qreal headerHeight = QFontMetricsF(headerFont, &device).height() * 1.4;
    const qreal cellWidth = page.width() / kColumns;
    const qreal gridTop = page.top() + captionHeight + headerHeight;
    const qreal cellHeight = (page.bottom() - gridTop) / kRows;
    painter.setFont(headerFont);
    const QLocale locale;
    for (int column = 0; column < kColumns; ++column) {
        // Column 1 holds Sundays, as on the screen: Qt counts Sunday as 7.
        const int weekday = column == 0 ? 7 : column;
        painter.drawText(QRectF(page.left() + column * cellWidth, gridTop - headerHeight, cellWidth,
                                headerHeight),
                         Qt::AlignCenter, locale.dayName(weekday, QLocale::ShortFormat));
    }

    const QFont dayFont = fontOf(painter.font(), 11, true);
    const qreal dayHeight = QFontMetricsF(dayFont, &device).height();
    const qreal margin = 3 * pointSize;
    for (int index = 1; index <= kGridCells; ++index) {
        const QRectF cell(page.left() + ((index - 1) % kColumns) * cellWidth,
                          gridTop + ((index - 1) / kColumns) * cellHeight, cellWidth, cellHeight);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell);
        const Int16 day = GetDay(Int16(index), month, year);
        if (day == 0) {
            continue;
        }
        const QRectF inside = cell.adjusted(margin, margin, -margin, -margin);
        painter.setFont(dayFont);
        painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop, QString::number(day));
        paintNote(painter, inside.adjusted(0, dayHeight, 0, 0), printedNote(day, month, year));
    }
    return painter.end();
}

} // namespace plandeck
