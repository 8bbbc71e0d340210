#include "core/layout/formlayout.h"

#include <cmath>

namespace plandeck {

namespace {

constexpr float kFrameAllowance = 80;
constexpr float kTitleAllowance = 420;
constexpr float kRightMargin = 100;
constexpr int kColumns = 7;
constexpr int kRows = 5;

} // namespace

FormLayout computeFormLayout(const LayoutInput& in)
{
    FormLayout out;
    out.cw = (in.W - kFrameAllowance) / kColumns;
    out.rh = (in.H - in.label1Height - in.label3Height - kTitleAllowance) / kRows;
    if (out.rh < 0) {
        out.rh = 0;
    }
    // A window narrower than the frame allowance must not give negative cells.
    if (out.cw < 0) {
        out.cw = 0;
    }

    out.label1Left = in.W / 2 - in.label1Width / 2;
    out.command1Left = in.W / 2 + in.label1Width / 2;
    out.command2Left = in.W / 2 - in.label1Width / 2 - in.command2Width;

    out.command9Left = in.W - in.command9Width - kRightMargin;
    out.command8Left = out.command9Left - in.command8Width;
    out.command7Left = out.command8Left - in.command7Width;
    out.command11Left = out.command7Left - in.command11Width;
    out.command10Left = out.command11Left - in.command10Width;

    for (int i = 1; i <= kColumns; ++i) {
        out.headers[i] = {float(i - 1) * out.cw, in.label1Height, out.cw, in.label3Height};
    }
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kColumns; ++c) {
            const int k = (r - 1) * kColumns + c;
            TwipsRect& cell = out.cells[k];
            cell.Left = float(c - 1) * out.cw;
            cell.Top = float(r - 1) * out.rh + in.label1Height + in.label3Height;
            cell.Width = out.cw;
            cell.Height = out.rh;
        }
    }
    return out;
}

TwipsRect centreOn(const TwipsRect& cell, float pictureWidth, float pictureHeight)
{
    return {cell.Width / 2 + cell.Left - pictureWidth / 2,
            cell.Height / 2 + cell.Top - pictureHeight / 2, pictureWidth, pictureHeight};
}

int toPixels(float twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}

QRect toPixels(const TwipsRect& rect)
{
    const int left = toPixels(rect.Left);
    const int top = toPixels(rect.Top);
    return {left, top, toPixels(rect.Left + rect.Width) - left,
            toPixels(rect.Top + rect.Height) - top};
}

} // namespace plandeck
