#pragma once

#include <QtGlobal>

// Text contrast for the colours the program paints itself. Colours are
// written 0x00BBGGRR, as everywhere in the program; the arithmetic is the
// WCAG 2 relative luminance and contrast ratio.

namespace plandeck {

// Normal-sized text needs at least this contrast against its background.
inline constexpr double kReadableContrast = 4.5;

// 0 for black to 1 for white.
double relativeLuminance(quint32 bgr);
// From 1 (the same colour) to 21 (black on white); the order does not matter.
double contrastRatio(quint32 bgr, quint32 otherBgr);
// Black or white, whichever contrasts more with the background.
quint32 readableTextColour(quint32 backBgr);

} // namespace plandeck
