#pragma once
// The picture scheme of the jumper drawings: each paint draws the jumper upright into a work
// picture, turns that into an output picture by Orientation and copies it onto the control.

#include "setupctrls/SetupTypes.h"
#include "vcl/Bitmap.h"
#include "vcl/Form.h"
#include "vcl/GraphicControl.h"
#include <initializer_list>

class TRadioPanel;

// Base of the two- and three-pin jumpers: colours, orientation, border and the painting.
class TJumper : public TGraphicControl
{
    VCL_CLASS(TJumper, TGraphicControl)
public:
    explicit TJumper(TComponent* owner);

    TColor BaseColor() const { return baseColor_; }
    void SetBaseColor(TColor value) { Change(baseColor_, value); }
    TColor PinColor() const { return pinColor_; }
    void SetPinColor(TColor value) { Change(pinColor_, value); }
    TColor JumperColor() const { return jumperColor_; }
    void SetJumperColor(TColor value) { Change(jumperColor_, value); }
    // bsSingle outlines the base (and the two-pin cap) in black; any other style outlines them
    // in their own fill colour, so that no outline shows.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value) { Change(borderStyle_, value); }
    // A move to the other pair (otUp/otDown against otLeft/otRight) makes the next paint of a
    // control that has been painted before exchange its width and height.
    TOrientationType Orientation() const { return orientation_; }
    void SetOrientation(TOrientationType value);

    void Paint() override;

    // Assistive technology hears a jumper by where its cap sits, e.g. "jumper, cap on middle
    // and right pins".
    String AccessibleName() const override { return QStringLiteral("jumper, ") + CapPosition(); }
    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }

    // Where pixel (i, j) of an upright w x h picture lands once turned to orientation.
    static TPoint TurnedPixel(TOrientationType orientation, int i, int j, int w, int h);

protected:
    // Where the cap sits, in words.
    virtual String CapPosition() const = 0;
    // Draws the jumper upright over the background; w is the length of the row of pins. The
    // canvas comes with a solid black one-pixel pen and a solid brush; its pen and brush are
    // restored afterwards.
    virtual void DrawJumper(TCanvas& canvas, int w, int h) = 0;

    // The header base: a rounded box one pixel in from every edge, outlined by BorderStyle.
    void DrawBase(TCanvas& canvas, int w, int h) const;
    // Round pins of radius r centred at (x, y) for each x, drawn without outline.
    void DrawPins(TCanvas& canvas, std::initializer_list<int> centres, int y, int r) const;
    // Black with bsSingle, else the fill colour itself.
    TColor OutlineColor(TColor fill) const;
    // The parent when its class is TRadioPanel itself (a derived class does not count).
    TRadioPanel* RadioPanelParent() const;

    // Stores value and requests a repaint, unless field already holds it.
    template<typename T> void Change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }

private:
    static bool IsVertical(TOrientationType orientation);
    void DrawWorkPicture();
    void TurnWorkPicture();
    void ExchangeSizeIfPending();

    TBitmap work_;
    TBitmap output_;
    bool pendingSwap_ = false;
    bool painted_ = false;
    TOrientationType orientation_ = otUp;
    TBorderStyle borderStyle_ = bsSingle;
    TColor baseColor_ = clGray;
    TColor pinColor_ = clYellow;
    TColor jumperColor_ = clMaroon;
};
