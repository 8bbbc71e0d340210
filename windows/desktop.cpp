#include "windows/desktop.h"

#include "core/colour/contrast.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <limits>

namespace plandeck {

namespace {

// Below this a caption is no longer legible; it is clipped instead.
constexpr qreal kSmallestCaption = 4;
constexpr qreal kCaptionStep = 0.25;

quint32 toBgr(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

// The main window's children as a screen reader lists them: everything but
// the day-number buttons, whose dates are already in the note boxes' names,
// and the hidden templates the grid is made from, which never show.
class MainWindowAccessible : public QAccessibleWidget
{
public:
    explicit MainWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    int childCount() const override { return int(presented().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> widgets = presented();
        return index >= 0 && index < widgets.size()
                   ? QAccessible::queryAccessibleInterface(widgets.at(index))
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child == nullptr ? -1 : int(presented().indexOf(child->object()));
    }

private:
    QList<QWidget*> presented() const
    {
        QList<QWidget*> widgets;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && !child->isWindow() &&
                !child->objectName().startsWith(QLatin1String("Command4(")) &&
                child->objectName() != QLatin1String("Text1(0)") &&
                child->objectName() != QLatin1String("Label3(0)")) {
                widgets.append(child);
            }
        }
        return widgets;
    }
};

QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    // By name: the windows sit above this file, which must not include them.
    if (className == QLatin1String("plandeck::Form1")) {
        return new MainWindowAccessible(widget);
    }
    if (className == QLatin1String("plandeck::Form3") ||
        className == QLatin1String("plandeck::FindWindow") ||
        className == QLatin1String("plandeck::GoToDateWindow")) {
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

void setReadableText(QPalette& palette)
{
    palette.setColor(QPalette::Text,
                     fromBgr(readableTextColour(toBgr(palette.color(QPalette::Base)))));
}

bool captionFits(const QString& caption, const QFontMetricsF& metrics, const QSizeF& room)
{
    // The line is centred in the room; the ink lies around its baseline.
    const QPointF baseline((room.width() - metrics.horizontalAdvance(caption)) / 2,
                           (room.height() - metrics.height()) / 2 + metrics.ascent());
    return QRectF(QPointF(0, 0), room)
        .contains(metrics.tightBoundingRect(caption).translated(baseline));
}

qreal fittedPointSize(const QString& caption, QFont font, const QSizeF& room,
                      const QPaintDevice* device)
{
    const qreal design = font.pointSizeF();
    for (qreal size = design; size >= kSmallestCaption; size -= kCaptionStep) {
        font.setPointSizeF(size);
        if (captionFits(caption, QFontMetricsF(font, device), room)) {
            return size;
        }
    }
    // Nothing fits: the smallest size. A font sized in pixels has no point
    // size and stays as it is.
    return std::min(design, kSmallestCaption);
}

QSizeF captionRoom(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (button->autoDefault()) {
        option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    // A pixel of air on either side, so that no letter touches the frame.
    return button->style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
        .adjusted(1, 0, -1, 0)
        .size();
}

void fitCaptions(const QList<QPushButton*>& buttons)
{
    qreal size = std::numeric_limits<qreal>::max();
    for (const QPushButton* button : buttons) {
        size = std::min(
            size, fittedPointSize(button->text(), button->font(), captionRoom(button), button));
    }
    for (QPushButton* button : buttons) {
        QFont font = button->font();
        if (size < font.pointSizeF()) {
            font.setPointSizeF(size);
            button->setFont(font);
        }
    }
}

QString dayName(const QDate& date)
{
    return QCoreApplication::translate("Desktop", "%1, week %2")
        .arg(QLocale().toString(date, QLocale::LongFormat))
        .arg(date.weekNumber());
}

QString noteBoxName(const QDate& date, bool isToday, bool hasConflictCopy)
{
    QString name = dayName(date);
    if (isToday) {
        name = QCoreApplication::translate("Desktop", "%1, today").arg(name);
    }
    if (hasConflictCopy) {
        name += QCoreApplication::translate("NoteBox", ", has a conflict copy");
    }
    return name;
}

void installAccessibleWindows()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace plandeck
