#include "setupctrls/ThreeJumper.h"
#include <algorithm>

TThreeJumper::TThreeJumper(TComponent* owner) : TJumper(owner)
{
    SetWidth(43);
    SetHeight(18);
}

void TThreeJumper::SetJumperState(TJumperState value)
{
    if (value == jumperState_ || (value == jsOpen && !allowOpen_))
        return;
    Change(jumperState_, value);
    AnnounceNameChange();
}

String TThreeJumper::CapPosition() const
{
    switch (jumperState_) {
    case jsLeft:
        return QStringLiteral("cap on left and middle pins");
    case jsRight:
        return QStringLiteral("cap on middle and right pins");
    default:
        return QStringLiteral("no cap");
    }
}

void TThreeJumper::SetAllowOpen(bool value)
{
    if (value == allowOpen_)
        return;
    allowOpen_ = value;
    if (!allowOpen_ && jumperState_ == jsOpen)
        SetJumperState(jsLeft);
    Invalidate();
}

TThreeJumper::TLayout TThreeJumper::Layout(int w, int h)
{
    const int t = RoundHalfEven((w - 2) / 4.5);
    const int x1 = t + 1;
    const int xm = Div(w, 2);
    const int g = xm - x1 + 2;
    return {t, x1, xm, w - x1, Div(h, 2), std::min(Div(t, 3), RoundHalfEven((h - 2) / 4.0)), g,
        Div(g, 2)};
}

void TThreeJumper::DrawJumper(TCanvas& canvas, int w, int h)
{
    const TLayout pins = Layout(w, h);
    DrawBase(canvas, w, h);
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(JumperColor());
    if (jumperState_ == jsLeft)
        canvas.Rectangle(0, 0, pins.xm + pins.h, h);
    else if (jumperState_ == jsRight)
        canvas.Rectangle(pins.xm - pins.h, 0, w, h);
    DrawPins(canvas, {pins.x1, pins.xm, pins.x3}, pins.y, pins.r);
}

TJumperState TThreeJumper::NextState() const
{
    switch (jumperState_) {
    case jsOpen:
        return jsLeft;
    case jsLeft:
        return jsRight;
    case jsRight:
        break;
    }
    return allowOpen_ ? jsOpen : jsLeft;
}

void TThreeJumper::Click()
{
    SetJumperState(NextState());
    TJumper::Click();
}
