#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where a window is first put on a screen, in pixels.

namespace plandeck {

// Room kept for the window manager's title bar and frame, whose real size is
// known only once the window is on screen.
inline constexpr QMargins kFrameAllowance{4, 36, 4, 4};

// The client area of a window of the design size, made smaller where the
// screen's available area (less the frame) is smaller, but never below the
// minimum size. Frame and all, it is centred in the available area, or put
// at its top left corner where even the minimum size does not fit.
QRect firstWindowGeometry(QSize design, QSize minimum, QRect available,
                          QMargins frame = kFrameAllowance);

} // namespace plandeck
