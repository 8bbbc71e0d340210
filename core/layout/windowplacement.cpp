#include "core/layout/windowplacement.h"

#include <algorithm>

namespace plandeck {

QRect firstWindowGeometry(QSize design, QSize minimum, QRect available, QMargins frame)
{
    const QSize size = design.boundedTo(available.marginsRemoved(frame).size()).expandedTo(minimum);
    const QSize outer = size.grownBy(frame);
    const int left = available.left() + std::max(0, (available.width() - outer.width()) / 2);
    const int top = available.top() + std::max(0, (available.height() - outer.height()) / 2);
    return {QPoint(left + frame.left(), top + frame.top()), size};
}

} // namespace plandeck
