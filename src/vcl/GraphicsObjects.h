#pragma once
// The pen and the brush a canvas draws with; both tell their owner when they change.

#include "vcl/Object.h"

enum TPenStyle { psSolid, psDash, psDot, psClear };
enum TBrushStyle { bsSolid, bsClear };

class TGraphicsObject : public TObject
{
    VCL_CLASS(TGraphicsObject, TObject)
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
    // Stores value and notifies, unless the field already holds it.
    template<typename T> void Update(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
};

class TPen : public TGraphicsObject
{
    VCL_CLASS(TPen, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value) { Update(style_, value); }
    int Width() const { return width_; }
    void SetWidth(int value);
    void Assign(const TPen& source);

private:
    TColor color_ = clBlack;
    TPenStyle style_ = psSolid;
    int width_ = 1;
};

class TBrush : public TGraphicsObject
{
    VCL_CLASS(TBrush, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value) { Update(style_, value); }
    void Assign(const TBrush& source);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};
