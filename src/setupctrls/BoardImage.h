#pragma once
// The panel that shows the card's photograph, centres itself on its window and carries the
// highlight markers.

#include "setupctrls/SetupTypes.h"
#include "vcl/CustomPanel.h"

class TBoardHighlight;
class TMainMenu;

class TBoardImage : public TCustomPanel
{
    VCL_CLASS(TBoardImage, TCustomPanel)
public:
    explicit TBoardImage(TComponent* owner);

    TPicture& Picture() { return picture_; }
    // Copies the given picture; the panel never keeps the caller's object.
    void SetPicture(const TPicture& value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool Scale() const { return scale_; }
    void SetScale(bool value);
    bool CenterOnForm() const { return centerOnForm_; }
    void SetCenterOnForm(bool value) { centerOnForm_ = value; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    // The menu bar the markers on this panel list themselves in; not owned.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* value) { menu_ = value; }
    // The marker at which the guided tour starts; not owned.
    TBoardHighlight* First() const { return first_; }
    void SetFirst(TBoardHighlight* value) { first_ = value; }

    // Where the panel stood at its first paint, before any centring.
    int DesignLeft() const { return designLeft_; }
    int DesignTop() const { return designTop_; }
    double AspectRatio() const { return aspectRatio_; }
    // The rectangle the picture is drawn into.
    TRect PictureRect() const;

    // The preferred size while AutoSize is on; always true.
    bool CanAutoSize(int& newWidth, int& newHeight) const;
    std::uintptr_t GetPalette() const;

    void SetBounds(int left, int top, int width, int height) override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    void ApplyPicture();
    bool RequestPaletteRealize();
    void StartTour(TMessage& message);

    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool inPaint_ = false;
    double aspectRatio_ = 1.0;
    bool scale_ = true;
    TMainMenu* menu_ = nullptr;
    bool centerOnForm_ = true;
    bool firstPaintDone_ = false;
    TBoardHighlight* first_ = nullptr;
    int designLeft_ = 0;
    int designTop_ = 0;
    bool autoSize_ = false;
};
