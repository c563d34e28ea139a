#include "vcl/Label.h"
#include <QFontMetrics>

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

void TLabel::FontChanged()
{
    AdjustBounds();
    Invalidate();
}

void TLabel::AdjustBounds()
{
    if (!autoSize_)
        return;
    const QFontMetrics metrics(Font().ToQFont());
    int width = metrics.horizontalAdvance(Caption());
    const int height = metrics.height();
    int left = Left();
    if (Align() == alTop || Align() == alBottom)
        width = Width();
    else if (alignment_ == taRightJustify)
        left = Left() + Width() - width;
    SetBounds(left, Top(), width, height);
}

void TLabel::Paint()
{
    TCanvas& canvas = Canvas();
    if (!transparent_) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().Assign(Font());
    const int textWidth = canvas.TextWidth(Caption());
    int x = 0;
    if (alignment_ == taRightJustify)
        x = Width() - textWidth;
    else if (alignment_ == taCenter)
        x = (Width() - textWidth) / 2;
    canvas.TextOut(x, 0, Caption());
}
