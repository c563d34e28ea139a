#pragma once
// A picture of some kind: bitmap, JPEG.

#include "vcl/Object.h"
#include <cstdint>
#include <memory>

class QIODevice;
class TCanvas;

class TGraphic : public TObject
{
    VCL_CLASS(TGraphic, TObject)
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    // The platform's palette handle; this layer works in true colour and has none.
    virtual std::uintptr_t Palette() const { return 0; }
    bool PaletteModified() const { return paletteModified_; }
    void SetPaletteModified(bool value) { paletteModified_ = value; }

    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    // Reads the graphic's stored data (as held in a window definition) from stream.
    virtual void ReadData(QIODevice& stream) = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    bool transparent_ = false;
    bool paletteModified_ = false;
};
