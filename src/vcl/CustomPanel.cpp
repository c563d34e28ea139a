#include "vcl/CustomPanel.h"

namespace {
constexpr TColor clBtnHighlight = 0xFFFFFF;
constexpr TColor clBtnShadow = 0xA0A0A0;
} // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    if (value == bevelOuter_)
        return;
    bevelOuter_ = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    if (value == bevelInner_)
        return;
    bevelInner_ = value;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int value)
{
    if (value == bevelWidth_)
        return;
    bevelWidth_ = value;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int value)
{
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TCustomPanel::DrawBevel(TRect& rect, TBevelCut cut)
{
    if (cut == bvNone)
        return;
    TCanvas& canvas = Canvas();
    const TColor topLeft = cut == bvRaised ? clBtnHighlight : clBtnShadow;
    const TColor bottomRight = cut == bvRaised ? clBtnShadow : clBtnHighlight;
    for (int i = 0; i < bevelWidth_; ++i) {
        canvas.Brush().SetColor(topLeft);
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1));
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom));
        canvas.Brush().SetColor(bottomRight);
        canvas.FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
        canvas.FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom));
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsSolid);
    TRect rect = ClientRect();
    DrawBevel(rect, bevelOuter_);
    canvas.Brush().SetColor(Color());
    for (int i = 0; i < borderWidth_; ++i) {
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1));
        canvas.FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom));
        canvas.FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom));
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
    DrawBevel(rect, bevelInner_);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    if (Caption().isEmpty())
        return;
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(bsClear);
    const int textWidth = canvas.TextWidth(Caption());
    int x = rect.Left;
    if (alignment_ == taCenter)
        x = (Width() - textWidth) / 2;
    else if (alignment_ == taRightJustify)
        x = rect.Right - textWidth;
    canvas.TextOut(x, (Height() - canvas.TextHeight(Caption())) / 2, Caption());
}
