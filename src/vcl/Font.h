#pragma once
// A font by name, height, style and colour, as the controls describe their text.

#include "vcl/GraphicsObjects.h"
#include <QFont>

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// A font by name and signed height: a negative height is the character height in pixels
// (the em size), a positive one the cell height. 8 points at 96 pixels per inch is -11.
class TFont : public TGraphicsObject
{
    VCL_CLASS(TFont, TGraphicsObject)
public:
    String Name() const { return name_; }
    void SetName(const String& value) { Update(name_, value); }
    int Height() const { return height_; }
    void SetHeight(int value) { Update(height_, value); }
    int Size() const; // points, from the height at 96 pixels per inch
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value) { Update(style_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }
    void Assign(const TFont& source);
    bool operator==(const TFont& other) const;

    // The Qt font: the family by name (missing families are mapped by Qt's substitution table),
    // sized in pixels.
    QFont ToQFont() const;

private:
    int PixelSize() const;

    String name_ = QStringLiteral("MS Sans Serif");
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
};
