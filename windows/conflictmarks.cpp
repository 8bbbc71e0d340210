#include "windows/conflictmarks.h"

#include "windows/notebox.h"

#include <QEvent>
#include <QToolButton>

namespace plandeck {

ConflictMarks::ConflictMarks(const std::array<NoteBox*, 36>& boxes, QObject* parent)
    : QObject(parent), m_boxes(boxes)
{
    for (std::size_t i = 1; i < m_boxes.size(); ++i) {
        auto* marker = new QToolButton(m_boxes[i]);
        marker->setObjectName(QStringLiteral("ConflictMarker(%1)").arg(i));
        marker->setText(QStringLiteral("!"));
        marker->setToolTip(tr("This day has a conflict copy: click to compare and settle it "
                              "(Ctrl+Shift+C)"));
        marker->setAccessibleName(tr("Settle the conflict copy"));
        // Colours of its own, whatever the theme: black on amber with a
        // black rim stands out on every cell background.
        marker->setStyleSheet(QStringLiteral("QToolButton { background: #FFB000; color: black; "
                                             "border: 1px solid black; font-weight: bold; "
                                             "padding: 0 3px; }"));
        marker->setFocusPolicy(Qt::NoFocus);
        marker->setCursor(Qt::PointingHandCursor);
        marker->hide();
        connect(marker, &QToolButton::clicked, this, [this, i] { Q_EMIT markerClicked(int(i)); });
        m_markers[i] = marker;
        m_boxes[i]->installEventFilter(this);
    }
}

void ConflictMarks::follow(Int16 month, Int16 year)
{
    m_month = month;
    m_year = year;
    if (m_listed) {
        mark();
    } else {
        refresh();
    }
}

void ConflictMarks::refresh()
{
    m_all = allConflictCopies();
    m_listed = true;
    mark();
}

void ConflictMarks::mark()
{
    if (m_month == 0) {
        return;
    }
    std::array<QList<ConflictCopy>, 36> found{};
    for (const ConflictCopy& copy : m_all) {
        if (copy.date.month() == m_month && copy.date.year() == m_year) {
            found[std::size_t(GetIndex(Int16(copy.date.day()), m_month, m_year))].append(copy);
        }
    }
    const bool differs = found != m_copies;
    m_copies = std::move(found);
    for (std::size_t i = 1; i < m_markers.size(); ++i) {
        m_markers[i]->setVisible(!m_copies[i].isEmpty());
        placeMarker(i);
    }
    if (differs) {
        Q_EMIT changed();
    }
}

bool ConflictMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        for (std::size_t i = 1; i < m_boxes.size(); ++i) {
            if (m_boxes[i] == watched) {
                placeMarker(i);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

// The lower left corner, clear of the day number at the top right and of a
// scroll bar at the right.
void ConflictMarks::placeMarker(std::size_t index)
{
    QToolButton* marker = m_markers[index];
    const NoteBox* box = m_boxes[index];
    marker->adjustSize();
    const int frame = box->frameWidth();
    marker->move(frame, std::max(frame, box->height() - frame - marker->height()));
    marker->raise();
}

} // namespace plandeck
