#pragma once
// Pens, brushes, fonts, the canvas on a QImage, and the picture classes.
//
// The canvas follows the drawing conventions the controls are described with: a box
// (X1, Y1, X2, Y2) covers columns X1..X2-1 and rows Y1..Y2-1; a solid pen outlines the
// outermost pixels of a shape and the brush fills the rest; the clear pen draws no outline;
// RoundRect's last two numbers are the width and height of the corner ellipse; Arc runs
// counter-clockwise (as seen on the screen) from where the ray from the centre towards
// (X3, Y3) meets the ellipse to where the ray towards (X4, Y4) meets it. Colours are
// 0x00BBGGRR; system colours are resolved when drawing.

#include "vcl/Object.h"
#include <QFont>
#include <QImage>
#include <functional>
#include <map>
#include <memory>

class QIODevice;

enum TPenStyle { psSolid, psDash, psDot, psClear };
enum TBrushStyle { bsSolid, bsClear };
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TGraphicsObject : public TObject
{
    VCL_CLASS(TGraphicsObject, TObject)
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
};

class TPen : public TGraphicsObject
{
    VCL_CLASS(TPen, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value);
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
    void SetColor(TColor value);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value);
    void Assign(const TBrush& source);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

// A font by name and signed height: a negative height is the character height in pixels
// (the em size), a positive one the cell height. 8 points at 96 pixels per inch is -11.
class TFont : public TGraphicsObject
{
    VCL_CLASS(TFont, TGraphicsObject)
public:
    String Name() const { return name_; }
    void SetName(const String& value);
    int Height() const { return height_; }
    void SetHeight(int value);
    int Size() const; // points, from the height at 96 pixels per inch
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    void Assign(const TFont& source);
    bool operator==(const TFont& other) const;

    QFont ToQFont() const;

private:
    String name_ = QStringLiteral("MS Sans Serif");
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
};

class TGraphic;

// Draws on a QImage (Format_RGB32 or ARGB32). While bound to a control's paint pass, the
// canvas draws through an origin offset and is clipped to the control's area.
class TCanvas : public TObject
{
    VCL_CLASS(TCanvas, TObject)
public:
    TCanvas();
    ~TCanvas() override;

    // Directs drawing into image, with (0, 0) of the canvas at origin of the image, clipped to
    // clip (image coordinates; an empty clip means the whole image).
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
    // A plain block copy (no blending) of source's rect to dest on this canvas.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

private:
    QImage* image_ = nullptr;
    QPoint origin_;
    QRect clip_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
};

// A picture of some kind: bitmap, JPEG.
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

// An off-screen 32-bit image (bytes blue, green, red and a fourth byte per pixel).
class TBitmap : public TGraphic
{
    VCL_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void SetSize(int width, int height);
    TCanvas& Canvas();
    std::uint8_t* ScanLine(int row);
    const QImage& Image() const { return image_; }

    void Draw(TCanvas& canvas, const TRect& rect) override;
    void ReadData(QIODevice& stream) override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    QImage image_;
    TCanvas canvas_;
};

// A JPEG image, decoded with libjpeg when its data is read.
class TJPEGImage : public TGraphic
{
    VCL_CLASS(TJPEGImage, TGraphic)
public:
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    // Decodes JPEG bytes; raises EInvalidGraphic with the decoder's message on bad data.
    void LoadFromBytes(const QByteArray& bytes);
    const QImage& Image() const { return image_; }

    void Draw(TCanvas& canvas, const TRect& rect) override;
    // A 32-bit little-endian byte count, then that many JPEG bytes.
    void ReadData(QIODevice& stream) override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    QByteArray data_;
    QImage image_;
};

// Holds one graphic; notifies OnChange whenever it changes.
class TPicture : public TObject
{
    VCL_CLASS(TPicture, TObject)
public:
    using GraphicFactory = std::function<std::unique_ptr<TGraphic>()>;
    // Makes a graphic class known to window definitions by its class name.
    static void RegisterGraphicClass(const String& className, GraphicFactory factory);

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    // Copies source's graphic (duplicated); an empty source empties this picture.
    void Assign(const TPicture& source);
    // Reads a picture as a window definition holds it: the graphic's class name as a
    // length-prefixed string, then the graphic's data. An empty class name is an empty picture.
    // Raises EReadError on a truncated stream and EInvalidGraphic on an unknown class or bad data.
    void ReadData(QIODevice& stream);

    TNotifyEvent OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> graphic_;
};
