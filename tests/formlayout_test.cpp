#include "core/layout/formlayout.h"

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
    const float lefts[] = {l.label1Left,   l.command1Left, l.command2Left,  l.command9Left,
                           l.command8Left, l.command7Left, l.command11Left, l.command10Left};
    const float expected[] = {5032.5f,  6967.5f,  3817.5f,  11165.0f,
                              10910.0f, 10655.0f, 10160.0f, 9665.0f};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(lefts[i], expected[i]) << i;
    }
    EXPECT_NEAR(l.headers[7].Left, 10217.143f, 0.001);
    // Cell 9: row 2, column 2.
    EXPECT_EQ(l.cells[9].Left, l.cw);
    EXPECT_EQ(l.cells[9].Top, 2124.0f);
    EXPECT_EQ(l.cells[9].Width, l.cw);
    EXPECT_EQ(l.cells[9].Height, 1614.0f);

    // 700 twips wider: the right-hand group moves 700, the centred one 350.
    const FormLayout wide = layoutFor(12700, 9000);
    EXPECT_FLOAT_EQ(wide.cw - l.cw, 100.0f);
    EXPECT_EQ(wide.command10Left - l.command10Left, 700.0f);
    EXPECT_EQ(wide.label1Left - l.label1Left, 350.0f);
}

} // namespace
