#pragma once
// The canvas: pens, brush and font drawing on a QImage.
//
// A box (X1, Y1, X2, Y2) covers columns X1..X2-1 and rows Y1..Y2-1. A one-pixel pen outlines
// the outermost pixels of the box's shape and the brush fills the rest; a wider pen is centred
// on the box's edges; the clear pen draws no outline and the brush then fills the whole shape.
// Nothing is antialiased.

#include "vcl/Font.h"
#include "vcl/GraphicsObjects.h"
#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;
class TGraphic;

// Draws on a QImage (Format_RGB32 or ARGB32). While bound to a control's paint pass, the
// canvas draws through an origin offset and is clipped to the control's area.
class TCanvas : public TObject
{
    VCL_CLASS(TCanvas, TObject)
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Directs drawing into image, with (0, 0) of the canvas at origin of the image, clipped to
    // clip (image coordinates; an empty clip means the whole image). Holds no painter: each
    // drawing call paints and finishes.
    void Bind(QImage* image, QPoint origin = {}, QRect clip = {});
    void Unbind();
    QImage* Image() const { return image_; }
    QPoint Origin() const { return origin_; }

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }

    void Rectangle(int x1, int y1, int x2, int y2);
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    // Part of the ellipse inscribed in (x1, y1, x2, y2), counter-clockwise as seen on the screen
    // from where the ray from the centre towards (x3, y3) meets it to where the ray towards
    // (x4, y4) meets it; the same ray twice draws the whole ellipse.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void FillRect(const TRect& rect); // brush only, no outline
    // Text with its top-left corner at (x, y), in the font's colour; on the brush colour
    // unless the brush is clear.
    void TextOut(int x, int y, const String& text);
    int TextWidth(const String& text);
    int TextHeight(const String& text);

    TColor Pixel(int x, int y) const; // canvas coordinates; outside the image: 0xFFFFFFFF
    void SetPixel(int x, int y, TColor color);

    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic); // null or empty graphic: nothing
    // A plain block copy (no blending) of source's rect to dest on this canvas; scaled (nearest
    // pixel) when the sizes differ.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    // Puts image into rect, scaled (nearest pixel) when the sizes differ; used by the graphics.
    void DrawImage(const TRect& rect, const QImage& image);

private:
    bool CanDraw() const;
    QRect ClipRect() const; // image coordinates
    void Prepare(QPainter& painter) const;
    template<typename DrawFn> void DrawShape(int x1, int y1, int x2, int y2, DrawFn draw);
    void Blit(const QImage& source, const QRect& from, const QRect& to);
    void CopyBlock(const QImage& source, const QRect& from, const QRect& to);

    QImage* image_ = nullptr;
    QPoint origin_;
    QRect clip_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
};

// Binds a canvas for as long as it lives, so that a paint that raises leaves it unbound.
class TCanvasBinding
{
public:
    TCanvasBinding(TCanvas& canvas, QImage* image, QPoint origin, QRect clip) : canvas_(canvas)
    {
        canvas_.Bind(image, origin, clip);
    }
    ~TCanvasBinding() { canvas_.Unbind(); }
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas& canvas_;
};
