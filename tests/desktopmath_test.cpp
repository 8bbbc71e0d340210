#include "core/colour/contrast.h"
#include "core/layout/windowplacement.h"

#include <gtest/gtest.h>

using namespace plandeck;

namespace {

TEST(Contrast, RatiosAndTheTextColourChosen)
{
    const struct
    {
        quint32 back, other;
        double ratio;
        quint32 text;
    } rows[] = {{0x00FFFFFF, 0x00000000, 21.0, 0x00000000},  // black on white
                {0x00123456, 0x00123456, 1.0, 0x00FFFFFF},   // one colour
                {0x00767676, 0x00FFFFFF, 4.54, 0x00000000},  // the lightest grey that passes
                {0x00777777, 0x00FFFFFF, 4.48, 0x00000000},  // and the next, which fails
                {0x0088FF88, 0x00FFFFFF, 1.26, 0x00000000},  // white on the weekday green
                {0x00FF0000, 0x00000000, 2.44, 0x00FFFFFF}}; // blue weighs least
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.back);
        EXPECT_NEAR(contrastRatio(row.back, row.other), row.ratio, 0.005);
        EXPECT_NEAR(contrastRatio(row.other, row.back), row.ratio, 0.005);
        EXPECT_EQ(readableTextColour(row.back), row.text);
    }
}

TEST(WindowPlacement, FirstWindowFitsTheScreen)
{
    const std::pair<QRect, QRect> rows[] = {
        {{0, 0, 1920, 1080}, {563, 272, 794, 568}},     // design size, centred
        {{0, 0, 1024, 600}, {115, 36, 794, 560}},       // lower
        {{0, 32, 1024, 568}, {115, 68, 794, 528}},      // under a top panel
        {{1920, 0, 1280, 1024}, {2163, 244, 794, 568}}, // second screen
        {{0, 0, 480, 320}, {4, 36, 602, 280}}};         // the minimum width, at the top left
    for (const auto& [available, expected] : rows) {
        EXPECT_EQ(firstWindowGeometry({794, 568}, {602, 145}, available), expected)
            << available.width() << "x" << available.height();
    }
}

} // namespace
