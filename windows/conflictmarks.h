#pragma once

#include "core/calendar/calendar.h"
#include "core/notes/conflictcopies.h"

#include <QObject>
#include <array>

class QToolButton;

// Marks the cells of the shown month whose day has conflict copies beside its
// note (a sync tool's, or a text Plandeck kept). The window's note watch says
// when data/ changed (refresh), so that a copy arriving or going shows within
// a second, or within two where the system cannot watch. The marker is a small button
// in the cell's corner; clicking it asks to settle the day.

namespace plandeck {

class NoteBox;

class ConflictMarks : public QObject
{
    Q_OBJECT

public:
    ConflictMarks(const std::array<NoteBox*, 36>& boxes, QObject* parent);

    // From now on marks and follows the days of this month.
    void follow(Int16 month, Int16 year);
    // Looks at data/ again now and marks the shown days; the list is kept
    // for month steps until the next change.
    void refresh();
    // The copies of the day in cell `index`, oldest name first.
    const QList<ConflictCopy>& copies(Int16 index) const { return m_copies[std::size_t(index)]; }
    bool hasCopies(Int16 index) const { return !copies(index).isEmpty(); }

Q_SIGNALS:
    // The copies of one or more shown days changed.
    void changed();
    void markerClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeMarker(std::size_t index);
    void mark();

    const std::array<NoteBox*, 36> m_boxes;
    std::array<QToolButton*, 36> m_markers{};
    std::array<QList<ConflictCopy>, 36> m_copies{};
    // Every copy in data/, as of the last look: current, as every change
    // of data/ leads to a refresh, so that a month step reads no folder.
    QList<ConflictCopy> m_all;
    bool m_listed = false;
    Int16 m_month = 0;
    Int16 m_year = 0;
};

} // namespace plandeck
