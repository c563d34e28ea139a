#pragma once
// The translucent marker on the board photograph: it lights up under the pointer, opens its
// popup window, pins it when clicked, lists itself in the kind menus and walks the tour.

#include "setupctrls/SetupTypes.h"
#include "vcl/Bitmap.h"
#include "vcl/Form.h"
#include "vcl/GraphicControl.h"
#include <vector>

class TBoardImage;
class TMainMenu;
class TMenuItem;
class TPopupForm;
class TRadioPanel;

class TBoardHighlight : public TGraphicControl
{
    VCL_CLASS(TBoardHighlight, TGraphicControl)
public:
    explicit TBoardHighlight(TComponent* owner);

    bool CreatePopup() const { return createPopup_; }
    void SetCreatePopup(bool value) { createPopup_ = value; }
    THighlightType HighlightType() const { return highlightType_; }
    void SetHighlightType(THighlightType value);
    TRadioPanel* RadioPanel() const { return radioPanel_; }
    // Refused, silently, when a marker of the same parent that is not linked to this one
    // already has that panel.
    void SetRadioPanel(TRadioPanel* value);
    // The group key, the popup's caption (without '&') and the menu entry's caption.
    String Title() const { return title_; }
    void SetTitle(const String& value);
    String DisplayTitle() const { return displayTitle_; }
    String NameStem() const { return nameStem_; }

    bool Hovered() const { return hovered_; }
    bool PopupActive() const { return popupActive_; }
    bool Pinned() const { return pinned_; }
    bool Prepared() const { return prepared_; }
    TPopupForm* Popup() const { return popup_; }
    TMainMenu* BoardMenu() const { return boardMenu_; }
    TColor RingColor() const { return ringColor_; }
    const TBitmap& NormalLook() const { return normalLook_; }
    const TBitmap& GlowLook() const { return glowLook_; }
    const TBitmap& LitLook() const { return litLook_; }

    // Same board image, same Title (exactly), same kind; a marker is linked to itself.
    bool IsLinkedTo(const TBoardHighlight* other) const;
    // The board image this marker stands on, or null when its parent is something else.
    TBoardImage* Board() const;

    void Paint() override;
    // The looks are made from what lies beneath the marker at its first paint.
    bool ReadsParentSurface() const override { return true; }
    void Click() override;
    // A button named by its display title, that has a popup, shown expanded while its popup is
    // open and checked while it is pinned.
    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    String AccessibleName() const override { return displayTitle_; }
    void AccessibleState(QAccessible::State& state) const override;
    void WndProc(TMessage& message) override;
    // The pointer notifications; WParam 1 means it came from a linked marker.
    void MouseEnter(TMessage& message);
    void MouseLeave(TMessage& message);

    void Pin();
    void SetPopupActive(bool value, bool propagate);
    void Unhover();
    // Brings up the group's popup, building it the first time.
    void ShowPopup();
    void PopupClose(TObject* sender, TCloseAction& action);

    void RegisterInMenu();
    void SetMenuCheck(bool value);
    void MenuItemClick(TObject* sender);
    void PreviousClick(TObject* sender);
    void NextClick(TObject* sender);
    void DoneClick(TObject* sender);

    // Builds the three looks from the background now under the marker.
    void PrepareLooks();

private:
    // The linked markers of the board image in child order, this one included; only this
    // one when the parent is not a board image.
    std::vector<TBoardHighlight*> LinkedMarkers() const;
    String KindCaption() const;
    // The states that change as the pointer comes and the popup opens, pins and closes.
    static QAccessible::State HoverState();
    // The entry of this marker's title in its kind menu, and its index there.
    TMenuItem* FindEntry(int* index = nullptr) const;
    void AddEntry(TMenuItem* kindMenu);
    void BuildPopup();
    void StepTour(int step);

    TBitmap normalLook_, glowLook_, litLook_;
    float normalStrength_ = 0, glowStrength_ = 0, litStrength_ = 0;
    TColor ringColor_ = 0;
    THighlightType highlightType_ = htOptions;
    bool hovered_ = false;
    TPopupForm* popup_ = nullptr;
    String title_, displayTitle_, nameStem_;
    TMainMenu* boardMenu_ = nullptr;
    bool prepared_ = false;
    bool createPopup_ = true;
    bool pinned_ = false;
    TRadioPanel* radioPanel_ = nullptr;
    bool popupActive_ = false;
};
