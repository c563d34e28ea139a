#include "vcl/GraphicsObjects.h"
#include <algorithm>

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPen::SetWidth(int value)
{
    Update(width_, std::max(value, 1)); // a pen is at least one pixel wide
}

void TPen::Assign(const TPen& source)
{
    if (color_ == source.color_ && style_ == source.style_ && width_ == source.width_)
        return;
    color_ = source.color_;
    style_ = source.style_;
    width_ = source.width_;
    Changed();
}

void TBrush::Assign(const TBrush& source)
{
    if (color_ == source.color_ && style_ == source.style_)
        return;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}
