#include "core/colour/contrast.h"
#include "core/layout/windowplacement.h"

#include <gtest/gtest.h>

using namespace plandeck;

// Colours are 0x00BBGGRR.
TEST(Contrast, RatiosAndTheTextColourChosen)
{
    const std::tuple<quint32, quint32, double, quint32> rows[] = {
        {0x00FFFFFF, 0x00000000, 21.0, 0x00000000},
        // The lightest grey that passes against white, and the next, which fails.
        {0x00767676, 0x00FFFFFF, 4.54, 0x00000000},
        {0x00777777, 0x00FFFFFF, 4.48, 0x00000000},
        // White on the weekday green; blue weighs least.
        {0x0088FF88, 0x00FFFFFF, 1.26, 0x00000000},
        {0x00FF0000, 0x00000000, 2.44, 0x00FFFFFF}};
    for (const auto& [back, other, ratio, text] : rows) {
        EXPECT_NEAR(contrastRatio(back, other), ratio, 0.005) << std::hex << back;
        EXPECT_EQ(readableTextColour(back), text) << std::hex << back;
    }
}

// Centred at the design size, or smaller within the screen's free area down
// to the minimum width, at the top left.
TEST(WindowPlacement, FirstWindowFitsTheScreen)
{
    const std::pair<QRect, QRect> rows[] = {{{0, 0, 1920, 1080}, {563, 272, 794, 568}},
                                            {{0, 0, 1024, 600}, {115, 36, 794, 560}},
                                            {{0, 32, 1024, 568}, {115, 68, 794, 528}},
                                            {{1920, 0, 1280, 1024}, {2163, 244, 794, 568}},
                                            {{0, 0, 480, 320}, {4, 36, 602, 280}}};
    for (const auto& [available, expected] : rows) {
        EXPECT_EQ(firstWindowGeometry({794, 568}, {602, 145}, available), expected);
    }
}
