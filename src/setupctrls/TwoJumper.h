#pragma once
// A two-pin jumper block seen from above: a header base with two pins, or a shorting cap over
// both pins when closed. A click puts the cap on or takes it off.

#include "setupctrls/Jumper.h"

class TTwoJumper : public TJumper
{
    VCL_CLASS(TTwoJumper, TJumper)
public:
    // The pins of an upright w x h picture: centres (x1, y) and (x2, y), radius r.
    struct TLayout
    {
        int t, x1, x2, y, r;
        bool operator==(const TLayout&) const = default;
    };

    explicit TTwoJumper(TComponent* owner);

    bool Closed() const { return closed_; }
    void SetClosed(bool value);

    // Flips Closed; on a radio-enabled radio panel the panel then makes this jumper the closed
    // one of its group. OnClick comes last and sees the final states.
    void Click() override;

    static TLayout Layout(int w, int h);

    QAccessible::Role AccessibleRole() const override { return QAccessible::CheckBox; }
    void AccessibleState(QAccessible::State& state) const override;

protected:
    String CapPosition() const override;
    void DrawJumper(TCanvas& canvas, int w, int h) override;

private:
    bool closed_ = false;
};
