#include "core/colour/contrast.h"
#include "core/layout/formlayout.h"
#include "core/layout/windowplacement.h"

#include <gtest/gtest.h>

using namespace plandeck;

namespace {

// The layout of a 12000 x 9000 twip window to the last digit.
TEST(FormLayout, WorkedExampleToTheLastDigit)
{
    const FormLayout l = computeFormLayout({.W = 12000, .H = 9000});
    EXPECT_EQ(std::vector({l.cw, l.rh, l.cells[9].Left, l.cells[9].Top, l.label1Left,
                           l.command1Left, l.command2Left, l.command10Left}),
              std::vector({11920.0f / 7, 1614.0f, 11920.0f / 7, 2124.0f, 5032.5f, 6967.5f, 3817.5f,
                           9665.0f}));
}

// Colours are 0x00BBGGRR: the lightest grey that passes against white, and
// a blue, which weighs least and so takes white text.
TEST(Contrast, RatiosAndTheTextColourChosen)
{
    for (const auto& [back, other, ratio, text] :
         {std::tuple(0x00767676u, 0x00FFFFFFu, 4.54, 0x00000000u),
          std::tuple(0x00FF0000u, 0x00000000u, 2.44, 0x00FFFFFFu)}) {
        EXPECT_NEAR(contrastRatio(back, other), ratio, 0.005) << std::hex << back;
        EXPECT_EQ(readableTextColour(back), text) << std::hex << back;
    }
}

// Centred at the design size, or smaller within the screen's free area (which
// may start anywhere) down to the minimum width, at the top left.
TEST(WindowPlacement, FirstWindowFitsTheScreen)
{
    EXPECT_EQ(firstWindowGeometry({794, 568}, {602, 145}, {0, 0, 1920, 1080}),
              QRect(563, 272, 794, 568));
    EXPECT_EQ(firstWindowGeometry({794, 568}, {602, 145}, {1920, 32, 480, 320}),
              QRect(1924, 68, 602, 280));
}

} // namespace
