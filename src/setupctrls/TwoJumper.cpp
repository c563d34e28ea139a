#include "setupctrls/TwoJumper.h"
#include "setupctrls/RadioPanel.h"
#include <algorithm>

TTwoJumper::TTwoJumper(TComponent* owner) : TJumper(owner)
{
    SetWidth(34);
    SetHeight(18);
}

TTwoJumper::TLayout TTwoJumper::Layout(int w, int h)
{
    const int t = RoundHalfEven(w / 3.5);
    const int x1 = t + 1;
    return {t, x1, w - x1, Div(h, 2), std::min(Div(t, 3), RoundHalfEven(h / 4.0))};
}

void TTwoJumper::DrawJumper(TCanvas& canvas, int w, int h)
{
    canvas.Pen().SetStyle(psSolid);
    if (closed_) {
        canvas.Pen().SetColor(OutlineColor(JumperColor()));
        canvas.Brush().SetColor(JumperColor());
        canvas.Rectangle(0, 0, w, h);
    } else {
        DrawBase(canvas, w, h);
    }
    const TLayout pins = Layout(w, h);
    DrawPins(canvas, {pins.x1, pins.x2}, pins.y, pins.r);
}

void TTwoJumper::SetClosed(bool value)
{
    if (value == closed_)
        return;
    Change(closed_, value);
    AnnounceNameChange();
}

String TTwoJumper::CapPosition() const
{
    return closed_ ? QStringLiteral("cap on both pins") : QStringLiteral("no cap");
}

void TTwoJumper::AccessibleState(QAccessible::State& state) const
{
    TJumper::AccessibleState(state);
    state.checkable = true;
    state.checked = closed_;
}

void TTwoJumper::Click()
{
    closed_ = !closed_;
    Invalidate();
    AnnounceNameChange();
    if (TRadioPanel* panel = RadioPanelParent(); panel && panel->RadioEnabled())
        panel->SelectJumper(this);
    TJumper::Click();
}
