#include "setupctrls/BoardImage.h"
#include "setupctrls/BoardHighlight.h"
#include "vcl/Form.h"

TBoardImage::TBoardImage(TComponent* owner) : TCustomPanel(owner)
{
    picture_.OnChange = [this](TObject*) { ApplyPicture(); };
    SetBounds(Left(), Top(), 105, 105);
    SetAutoSize(true);
    SetBevelOuter(bvNone);
    SetColor(clBtnFace);
}

void TBoardImage::SetPicture(const TPicture& value)
{
    picture_.Assign(value); // fires the change notification, which applies the picture
}

void TBoardImage::SetStretch(bool value)
{
    if (value == stretch_)
        return;
    stretch_ = value;
    ApplyPicture();
}

void TBoardImage::SetCenter(bool value)
{
    if (value == center_)
        return;
    center_ = value;
    ApplyPicture();
}

void TBoardImage::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    ApplyPicture();
}

void TBoardImage::SetScale(bool value)
{
    if (value == scale_)
        return;
    scale_ = value;
    ApplyPicture();
}

void TBoardImage::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    if (autoSize_ && HandleAllocated())
        SetBounds(Left(), Top(), Width(), Height()); // asks CanAutoSize
}

void TBoardImage::SetBounds(int left, int top, int width, int height)
{
    // Sizes set before the window exists (while the window definition is applied) are taken
    // as they are.
    if (autoSize_ && HandleAllocated())
        CanAutoSize(width, height);
    TCustomPanel::SetBounds(left, top, width, height);
}

bool TBoardImage::CanAutoSize(int& newWidth, int& newHeight) const
{
    if (Align() == alNone || Align() == alLeft || Align() == alRight)
        newWidth = picture_.Width();
    if (Align() == alNone || Align() == alTop || Align() == alBottom)
        newHeight = picture_.Height();
    return true;
}

std::uintptr_t TBoardImage::GetPalette() const
{
    return picture_.Graphic() ? picture_.Graphic()->Palette() : 0;
}

TRect TBoardImage::PictureRect() const
{
    const int pictureWidth = picture_.Width();
    const int pictureHeight = picture_.Height();
    if (stretch_)
        return Rect(0, 0, ClientWidth(), ClientHeight());
    if (center_)
        return Bounds(Div(Width() - pictureWidth, 2), Div(Height() - pictureHeight, 2),
            pictureWidth, pictureHeight);
    return Rect(0, 0, pictureWidth, pictureHeight);
}

void TBoardImage::Paint()
{
    if (!firstPaintDone_) {
        designLeft_ = Left();
        designTop_ = Top();
        firstPaintDone_ = true;
    }
    // Centred on the parent's whole window, frame, caption and menu bar included.
    if (centerOnForm_ && Parent()) {
        SetLeft(Div(Parent()->Width() - Width(), 2));
        SetTop(Div(Parent()->Height() - Height(), 2));
    }
    const bool wasInPaint = inPaint_;
    inPaint_ = true;
    try {
        Canvas().StretchDraw(PictureRect(), picture_.Graphic());
    } catch (...) {
        inPaint_ = wasInPaint;
        throw;
    }
    inPaint_ = wasInPaint;
}

void TBoardImage::ApplyPicture()
{
    int pictureWidth = 0;
    int pictureHeight = 0;
    try {
        pictureWidth = picture_.Width();
        pictureHeight = picture_.Height();
        if (pictureWidth > 0 && pictureHeight > 0)
            aspectRatio_ = static_cast<double>(pictureHeight) / pictureWidth;
    } catch (...) {
        aspectRatio_ = 1.0;
    }
    if (autoSize_ && pictureWidth > 0 && pictureHeight > 0)
        SetBounds(Left(), Top(), pictureWidth, pictureHeight);
    if (TGraphic* graphic = picture_.Graphic()) {
        graphic->SetTransparent(transparent_);
        const bool covers
            = stretch_ || (graphic->Width() >= Width() && graphic->Height() >= Height());
        SetOpaque(!graphic->Transparent() && covers);
        if (RequestPaletteRealize() && inPaint_)
            Repaint();
    } else {
        SetOpaque(false);
    }
    if (!inPaint_)
        Invalidate();
}

bool TBoardImage::RequestPaletteRealize()
{
    // The layer draws in true colour: there is never a palette to realise, so a palette
    // change only needs its mark cleared.
    if (TGraphic* graphic = picture_.Graphic(); graphic && graphic->PaletteModified())
        graphic->SetPaletteModified(false);
    return false;
}

void TBoardImage::WndProc(TMessage& message)
{
    if (message.Msg == WM_STARTTOUR) {
        StartTour(message);
        return;
    }
    TCustomPanel::WndProc(message);
}

void TBoardImage::StartTour(TMessage& message)
{
    // As if the pointer entered the first marker, clicked it and left it again.
    if (!first_)
        return;
    first_->MouseEnter(message);
    first_->Click();
    first_->MouseLeave(message);
}
