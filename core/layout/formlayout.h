#pragma once

#include <QRect>
#include <array>

// The main window's layout arithmetic, in twips (15 to a pixel) and single
// precision, exactly as the window applies it: columns share the width less
// 80 twips for the frame, rows share the height less the two header rows and
// 420 twips for title bar and frame. Rounding to pixels happens only where the
// geometry is put on the widgets.

namespace plandeck {

inline constexpr float kTwipsPerPixel = 15.0f;

struct TwipsRect
{
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// The window's outer size and the design sizes of the controls the layout
// places around; the window creates its controls with these sizes too.
struct LayoutInput
{
    float W = 0; // outer window width, frame included
    float H = 0; // outer window height, title bar and frame included
    float label1Width = 1935;
    float label1Height = 255;
    float label3Height = 255;
    float command2Width = 1215;
    float command9Width = 735;
    float command8Width = 255;
    float command7Width = 255;
    float command11Width = 495;
    float command10Width = 495;
};

// Where the layout puts each control; index 0 of the arrays is unused so that
// index i is header i or cell i.
struct FormLayout
{
    float cw = 0;
    float rh = 0;
    float label1Left = 0;
    float command1Left = 0;
    float command2Left = 0;
    float command9Left = 0;
    float command8Left = 0;
    float command7Left = 0;
    float command11Left = 0;
    float command10Left = 0;
    std::array<TwipsRect, 8> headers{}; // Label3(1..7)
    std::array<TwipsRect, 36> cells{};  // Text1(1..35)
};

FormLayout computeFormLayout(const LayoutInput& in);

// Centre of a picture of the given size on a cell's note box.
TwipsRect centreOn(const TwipsRect& cell, float pictureWidth, float pictureHeight);

// Pixel edges of a twips rectangle: edges are rounded, not sizes, so that
// neighbouring cells meet without gaps.
QRect toPixels(const TwipsRect& rect);
int toPixels(float twips);

} // namespace plandeck
