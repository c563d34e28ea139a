#pragma once
// A three-pin jumper block seen from above: a header base with three pins and, unless open, a
// cap joining the middle pin with the left or the right one. A click moves the cap on.

#include "setupctrls/Jumper.h"

class TThreeJumper : public TJumper
{
    VCL_CLASS(TThreeJumper, TJumper)
public:
    // The pins of an upright w x h picture: centres x1, xm and x3 on row y, radius r; the cap's
    // inner edge lies h pixels from the middle pin's centre (g = xm - x1 + 2, h = g div 2).
    struct TLayout
    {
        int t, x1, xm, x3, y, r, g, h;
        bool operator==(const TLayout&) const = default;
    };

    explicit TThreeJumper(TComponent* owner);

    // jsOpen is refused silently while AllowOpen is false.
    TJumperState JumperState() const { return jumperState_; }
    void SetJumperState(TJumperState value);
    // Turning it off moves an open jumper to jsLeft.
    bool AllowOpen() const { return allowOpen_; }
    void SetAllowOpen(bool value);

    // Moves the cap to the next state, then raises OnClick.
    void Click() override;

    static TLayout Layout(int w, int h);

protected:
    String CapPosition() const override;
    void DrawJumper(TCanvas& canvas, int w, int h) override;

private:
    TJumperState NextState() const;

    TJumperState jumperState_ = jsOpen;
    bool allowOpen_ = true;
};
