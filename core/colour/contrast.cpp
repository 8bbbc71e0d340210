#include "core/colour/contrast.h"

#include <algorithm>
#include <cmath>

namespace plandeck {

namespace {

constexpr quint32 kBlack = 0x00000000;
constexpr quint32 kWhite = 0x00FFFFFF;

// One sRGB channel of 0 to 255 as linear light.
double linear(quint32 channel)
{
    const double c = double(channel & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(quint32 bgr)
{
    return 0.2126 * linear(bgr) + 0.7152 * linear(bgr >> 8) + 0.0722 * linear(bgr >> 16);
}

double contrastRatio(quint32 bgr, quint32 otherBgr)
{
    const double a = relativeLuminance(bgr);
    const double b = relativeLuminance(otherBgr);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

quint32 readableTextColour(quint32 backBgr)
{
    return contrastRatio(backBgr, kBlack) >= contrastRatio(backBgr, kWhite) ? kBlack : kWhite;
}

} // namespace plandeck
