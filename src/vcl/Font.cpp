#include "vcl/Font.h"
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr int kDefaultPixelSize = 11; // a height of 0 asks for the default font

// a * b / c rounded half away from zero, the way font sizes are converted on the platform.
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

int TFont::Size() const
{
    return -MulDiv(height_, kPointsPerInch, kPixelsPerInch);
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, kPixelsPerInch, kPointsPerInch));
}

void TFont::Assign(const TFont& source)
{
    if (*this == source)
        return;
    name_ = source.name_;
    height_ = source.height_;
    style_ = source.style_;
    color_ = source.color_;
    Changed();
}

bool TFont::operator==(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_
        && color_ == other.color_;
}

QFont TFont::ToQFont() const
{
    QFont font(name_);
    font.setPixelSize(PixelSize());
    font.setBold(style_ & fsBold);
    font.setItalic(style_ & fsItalic);
    font.setUnderline(style_ & fsUnderline);
    font.setStrikeOut(style_ & fsStrikeOut);
    return font;
}

// The em size in pixels. A positive height is the whole cell (em plus internal leading): scale
// it by the ratio em / cell that this face has at that size.
int TFont::PixelSize() const
{
    if (height_ < 0)
        return -height_;
    if (height_ == 0)
        return kDefaultPixelSize;
    QFont probe(name_);
    probe.setPixelSize(height_);
    const int cell = QFontMetrics(probe).height();
    if (cell <= 0)
        return height_;
    return std::max(1, static_cast<int>(std::lround(double(height_) * height_ / cell)));
}
