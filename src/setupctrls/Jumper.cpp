#include "setupctrls/Jumper.h"
#include "setupctrls/RadioPanel.h"
#include <cstring>

namespace {

// Gives bitmap that size unless it has it already; its pixels are all drawn over anyway.
void SizePicture(TBitmap& bitmap, int width, int height, qreal ratio)
{
    if (bitmap.Width() != width || bitmap.Height() != height || bitmap.DevicePixelRatio() != ratio)
        bitmap.SetSize(width, height, ratio);
}

} // namespace

TJumper::TJumper(TComponent* owner) : TGraphicControl(owner) { }

void TJumper::SetOrientation(TOrientationType value)
{
    if (value == orientation_)
        return;
    // Turning across the pairs and back before a paint keeps the mark: the size is exchanged
    // once.
    if (IsVertical(value) != IsVertical(orientation_))
        pendingSwap_ = true;
    orientation_ = value;
    Invalidate();
}

bool TJumper::IsVertical(TOrientationType orientation)
{
    return orientation == otLeft || orientation == otRight;
}

TPoint TJumper::TurnedPixel(TOrientationType orientation, int i, int j, int w, int h)
{
    switch (orientation) {
    case otDown:
        return {w - 1 - i, h - 1 - j};
    case otLeft:
        return {j, w - 1 - i};
    case otRight:
        return {h - 1 - j, i};
    case otUp:
        break;
    }
    return {i, j};
}

// After a size exchange the output picture still has the old size: the copy shows what the
// two sizes share, and the paint that the new size brings draws the whole control.
void TJumper::Paint()
{
    DrawWorkPicture();
    TurnWorkPicture();
    ExchangeSizeIfPending();
    const TRect whole = Rect(0, 0, Width(), Height());
    Canvas().CopyRect(whole, output_.Canvas(), whole);
    painted_ = true;
}

// The jumper upright, its row of pins along the X axis, on the background colour.
void TJumper::DrawWorkPicture()
{
    // Drawn at the resolution of the surface it goes to, so the jumper is as sharp as the
    // screen allows.
    const qreal ratio = Canvas().Image() ? Canvas().Image()->devicePixelRatio() : 1.0;
    if (IsVertical(orientation_))
        SizePicture(work_, Height(), Width(), ratio);
    else
        SizePicture(work_, Width(), Height(), ratio);
    TCanvas& canvas = work_.Canvas();
    TPen pen;
    pen.Assign(canvas.Pen());
    TBrush brush;
    brush.Assign(canvas.Brush());

    const TRadioPanel* panel = RadioPanelParent();
    const TColor background = panel ? panel->Color() : clBtnFace;
    canvas.Brush().SetColor(background);
    canvas.Pen().SetColor(background);
    canvas.Rectangle(0, 0, work_.Width(), work_.Height());
    DrawJumper(canvas, work_.Width(), work_.Height());

    canvas.Pen().Assign(pen);
    canvas.Brush().Assign(brush);
}

// Carries every work pixel to its place in the output picture; nothing else is drawn there.
void TJumper::TurnWorkPicture()
{
    if (IsVertical(orientation_))
        SizePicture(output_, work_.Height(), work_.Width(), work_.DevicePixelRatio());
    else
        SizePicture(output_, work_.Width(), work_.Height(), work_.DevicePixelRatio());
    // Device pixels, which are the work picture's pixels at a ratio of 1.
    const int w = work_.Image().width();
    const int h = work_.Image().height();
    constexpr int kPixelBytes = 4;
    const QRect output = output_.Image().rect();
    for (int j = 0; j < h; ++j) {
        const std::uint8_t* row = work_.ScanLine(j);
        for (int i = 0; i < w; ++i) {
            const TPoint to = TurnedPixel(orientation_, i, j, w, h);
            if (!output.contains(to.X, to.Y))
                continue; // a fractional ratio may round the two sizes apart
            std::memcpy(
                output_.ScanLine(to.Y) + to.X * kPixelBytes, row + i * kPixelBytes, kPixelBytes);
        }
    }
}

// The first paint only clears the mark: a size stored with a vertical orientation is kept.
// Later, the new size makes the parent paint the control again, for that size.
void TJumper::ExchangeSizeIfPending()
{
    if (!pendingSwap_)
        return;
    pendingSwap_ = false;
    if (!painted_)
        return;
    const int oldWidth = Width();
    const int oldHeight = Height();
    SetWidth(oldHeight);
    SetHeight(oldWidth);
}

void TJumper::DrawBase(TCanvas& canvas, int w, int h) const
{
    canvas.Pen().SetColor(OutlineColor(baseColor_));
    canvas.Brush().SetColor(baseColor_);
    canvas.RoundRect(1, 1, w - 1, h - 1, Div(h, 2), Div(h, 2));
}

void TJumper::DrawPins(TCanvas& canvas, std::initializer_list<int> centres, int y, int r) const
{
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(pinColor_);
    for (const int x : centres)
        canvas.Ellipse(x - r, y - r, x + r, y + r);
}

TColor TJumper::OutlineColor(TColor fill) const
{
    return borderStyle_ == bsSingle ? clBlack : fill;
}

TRadioPanel* TJumper::RadioPanelParent() const
{
    if (!Parent() || !Parent()->ClassNameIs(QStringLiteral("TRadioPanel")))
        return nullptr;
    return dynamic_cast<TRadioPanel*>(Parent());
}
