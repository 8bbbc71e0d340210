#include "core/colour/contrast.h"
#include "core/layout/windowplacement.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace plandeck;

namespace {

TEST(Contrast, RatiosAndTheTextColourChosen)
{
    const struct
    {
        const char* name;
        quint32 back;
        quint32 other;
        double ratio;
        quint32 text;
    } rows[] = {
        {"black_on_white", 0x00FFFFFF, 0x00000000, 21.0, 0x00000000},
        {"same_colour", 0x00123456, 0x00123456, 1.0, 0x00FFFFFF},
        {"grey_767676_passes", 0x00767676, 0x00FFFFFF, 4.54, 0x00000000},
        {"grey_777777_fails", 0x00777777, 0x00FFFFFF, 4.48, 0x00000000},
        {"white_on_light_green", 0x0088FF88, 0x00FFFFFF, 1.26, 0x00000000},
        {"white_on_light_red", 0x008888FF, 0x00FFFFFF, 2.30, 0x00000000},
        {"blue_channel_counts_least", 0x00FF0000, 0x00000000, 2.44, 0x00FFFFFF},
        {"dark_theme_base", 0x002A2A2A, 0x00FFFFFF, 14.35, 0x00FFFFFF},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(contrastRatio(row.back, row.other), row.ratio, 0.005);
        EXPECT_NEAR(contrastRatio(row.other, row.back), row.ratio, 0.005);
        EXPECT_EQ(readableTextColour(row.back), row.text);
        EXPECT_GE(contrastRatio(row.back, readableTextColour(row.back)), 4.5);
    }
}

TEST(WindowPlacement, FirstWindowFitsTheScreen)
{
    const QSize design(794, 568);
    const QSize minimum(602, 145);
    const struct
    {
        const char* name;
        QRect available;
        QRect expected;
    } rows[] = {
        {"large_screen_design_size_centred", {0, 0, 1920, 1080}, {563, 272, 794, 568}},
        {"netbook_1024x600", {0, 0, 1024, 600}, {115, 36, 794, 560}},
        {"netbook_under_a_top_panel", {0, 32, 1024, 568}, {115, 68, 794, 528}},
        {"second_screen_to_the_right", {1920, 0, 1280, 1024}, {2163, 244, 794, 568}},
        {"smaller_than_the_minimum", {0, 0, 480, 320}, {4, 36, 602, 280}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(firstWindowGeometry(design, minimum, row.available), row.expected);
    }
}

} // namespace
