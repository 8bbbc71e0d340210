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
    EXPECT_EQ(l.cw, 11920.0f / 7.0f);
    EXPECT_EQ(l.rh, 1614.0f);
    EXPECT_EQ(l.label1Left, 5032.5f);
    EXPECT_EQ(l.command1Left, 6967.5f);
    EXPECT_EQ(l.command2Left, 3817.5f);
    EXPECT_EQ(l.command9Left, 11165.0f);
    EXPECT_EQ(l.command8Left, 10910.0f);
    EXPECT_EQ(l.command7Left, 10655.0f);
    EXPECT_EQ(l.command11Left, 10160.0f);
    EXPECT_EQ(l.command10Left, 9665.0f);

    const float lefts[] = {0, 1702.857f, 3405.714f, 5108.571f, 6811.429f, 8514.286f, 10217.143f};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_NEAR(l.headers[i].Left, lefts[i - 1], 0.001) << i;
        EXPECT_EQ(l.headers[i].Top, 255.0f);
        EXPECT_EQ(l.headers[i].Width, l.cw);
        EXPECT_EQ(l.headers[i].Height, 255.0f);
    }
    // Cell 9: row 2, column 2.
    EXPECT_EQ(l.cells[9].Left, l.cw);
    EXPECT_EQ(l.cells[9].Top, 2124.0f);
    EXPECT_EQ(l.cells[9].Width, l.cw);
    EXPECT_EQ(l.cells[9].Height, 1614.0f);
}

TEST(FormLayout, RowHeightIsClampedAtZero)
{
    const struct
    {
        float H;
        float rh;
    } cases[] = {{930, 0}, {935, 1}, {929, 0}, {0, 0}, {-500, 0}, {1180, 50}};
    for (const auto& c : cases) {
        const FormLayout l = layoutFor(12000, c.H);
        EXPECT_EQ(l.rh, c.rh) << c.H;
        for (int k = 1; k <= 35; ++k) {
            EXPECT_GE(l.cells[k].Height, 0.0f);
        }
    }
    // Collapsed rows all start under the headers.
    EXPECT_EQ(layoutFor(12000, 500).cells[29].Top, 510.0f);
}

TEST(FormLayout, WideningMovesTheGroups)
{
    const FormLayout narrow = layoutFor(12000, 9000);
    const FormLayout wide = layoutFor(12700, 9000);
    EXPECT_FLOAT_EQ(wide.cw - narrow.cw, 100.0f);
    EXPECT_EQ(wide.command9Left - narrow.command9Left, 700.0f);
    EXPECT_EQ(wide.command10Left - narrow.command10Left, 700.0f);
    EXPECT_EQ(wide.label1Left - narrow.label1Left, 350.0f);
    EXPECT_EQ(wide.command1Left - narrow.command1Left, 350.0f);
    EXPECT_EQ(wide.command2Left - narrow.command2Left, 350.0f);
}

TEST(FormLayout, TinyWidthGivesNoNegativeColumns)
{
    EXPECT_EQ(layoutFor(40, 9000).cw, 0.0f);
}

TEST(FormLayout, PixelEdgesMeetWithoutGaps)
{
    const FormLayout l = layoutFor(12000, 9000);
    for (int k = 1; k < 35; ++k) {
        if (k % 7 == 0) {
            continue;
        }
        const QRect left = toPixels(l.cells[k]);
        const QRect right = toPixels(l.cells[k + 1]);
        EXPECT_EQ(left.x() + left.width(), right.x()) << k;
    }
    const TwipsRect picture = centreOn(l.cells[9], 1725, 825);
    EXPECT_FLOAT_EQ(picture.Left, l.cells[9].Left + l.cw / 2 - 862.5f);
    EXPECT_FLOAT_EQ(picture.Top, 2124 + 807 - 412.5f);
}

} // namespace
