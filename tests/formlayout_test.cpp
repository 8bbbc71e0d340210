#include "core/colour/contrast.h"
#include "core/layout/formlayout.h"
#include "core/layout/windowplacement.h"

#include "qtprinters.h"
#include <gtest/gtest.h>

using namespace plandeck;

namespace {

FormLayout layoutFor(float W, float H)
{
    LayoutInput in;
    in.W = W;
    in.H = H;
    return computeFormLayout(in);
}

TEST(FormLayout, WorkedExampleToTheLastDigit)
{
    const FormLayout l = layoutFor(12000, 9000);
    EXPECT_FLOAT_EQ(l.cw, 1702.8572f);
    EXPECT_EQ(l.rh, 1614.0f);
    EXPECT_EQ(
        std::vector({l.label1Left, l.command1Left, l.command2Left, l.command9Left, l.command8Left,
                     l.command7Left, l.command11Left, l.command10Left}),
        std::vector({5032.5f, 6967.5f, 3817.5f, 11165.0f, 10910.0f, 10655.0f, 10160.0f, 9665.0f}));
    EXPECT_NEAR(l.headers[7].Left, 10217.143f, 0.001);
    // Cell 9: row 2, column 2.
    const auto& c = l.cells[9];
    EXPECT_EQ(std::tuple(c.Left, c.Top, c.Width, c.Height),
              std::tuple(l.cw, 2124.0f, l.cw, 1614.0f));
    // 700 twips wider: the right-hand group moves 700, the centred one 350.
    const FormLayout wide = layoutFor(12700, 9000);
    EXPECT_FLOAT_EQ(wide.cw - l.cw, 100.0f);
    EXPECT_EQ(wide.command10Left - l.command10Left, 700.0f);
    EXPECT_EQ(wide.label1Left - l.label1Left, 350.0f);
}

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

// Centred at the design size, or smaller within the screen's free area (which
// may start anywhere) down to the minimum width, at the top left.
TEST(WindowPlacement, FirstWindowFitsTheScreen)
{
    const std::pair<QRect, QRect> rows[] = {{{0, 0, 1920, 1080}, {563, 272, 794, 568}},
                                            {{0, 0, 1024, 600}, {115, 36, 794, 560}},
                                            {{1920, 32, 1024, 568}, {2035, 68, 794, 528}},
                                            {{0, 0, 480, 320}, {4, 36, 602, 280}}};
    for (const auto& [available, expected] : rows) {
        EXPECT_EQ(firstWindowGeometry({794, 568}, {602, 145}, available), expected);
    }
}

} // namespace
