#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/RadioPanel.h"
#include "setupctrls/RingShading.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"
#include "vcl/Menu.h"
#include "vcl/Screen.h"
#include <algorithm>

namespace {
struct KindRow
{
    TColor ringColor;
    float normal, glow, lit;
    const char* caption;
    const char* namePrefix;
    // A new kind menu goes in front of the first top-level item with one of these captions.
    std::vector<const char*> insertBefore;
};

const KindRow& Kind(THighlightType type)
{
    static const KindRow rows[] = {
        {clBlue, 0.25f, 1.0f, 0.5f, "&Options", "Options", {"&Help"}},
        {clYellow, 0.5f, 1.0f, 0.75f, "&Settings", "Settings",
            {"&Calibration", "&Options", "&Help"}},
        {clRed, 0.5f, 1.0f, 0.75f, "&Calibration", "Calibration", {"&Options", "&Help"}},
    };
    return rows[std::min<int>(type, htCalibration)];
}

bool IsIdentifierStart(QChar c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentifierPart(QChar c)
{
    return IsIdentifierStart(c) || (c >= '0' && c <= '9');
}

// The title made into an identifier: leading characters dropped up to the first letter or
// '_', then everything but letters, digits and '_' dropped.
String MakeNameStem(const String& title)
{
    const bool identifier = !title.isEmpty() && IsIdentifierStart(title[0])
        && std::all_of(title.begin(), title.end(), IsIdentifierPart);
    if (title.isEmpty() || identifier)
        return title;
    qsizetype start = 0;
    while (start < title.size() && !IsIdentifierStart(title[start]))
        ++start;
    String stem;
    for (qsizetype i = start; i < title.size(); ++i)
        if (i == start || IsIdentifierPart(title[i]))
            stem += title[i];
    return stem;
}

// The smallest-numbered free component name stem + n among owner's components.
String UniqueName(const TComponent* owner, const String& stem)
{
    if (stem.isEmpty())
        return {}; // a bare number is no component name: such an entry stays unnamed
    for (int n = 1;; ++n) {
        String name = stem + QString::number(n);
        if (!owner || !owner->FindComponent(name))
            return name;
    }
}

TMenuItem* ChildCaptioned(const TMenuItem* menu, const String& caption)
{
    for (int i = 0; i < menu->Count(); ++i)
        if (menu->Items(i)->Caption() == caption)
            return menu->Items(i);
    return nullptr;
}
} // namespace

TBoardHighlight::TBoardHighlight(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(Left(), Top(), 65, 65);
    SetHighlightType(htSettings);
}

void TBoardHighlight::SetHighlightType(THighlightType value)
{
    if (value == highlightType_)
        return;
    highlightType_ = value;
    const KindRow& kind = Kind(value);
    ringColor_ = kind.ringColor;
    normalStrength_ = kind.normal;
    glowStrength_ = kind.glow;
    litStrength_ = kind.lit;
    Invalidate(); // looks already prepared keep their colours
}

void TBoardHighlight::SetTitle(const String& value)
{
    if (value == title_)
        return;
    title_ = value;
    displayTitle_ = String(value).remove(QLatin1Char('&'));
    nameStem_ = MakeNameStem(value);
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* value)
{
    if (value == radioPanel_)
        return;
    if (value && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            TControl* child = Parent()->Controls(i);
            if (child == this || !child->ClassNameIs(QStringLiteral("TBoardHighlight")))
                continue;
            auto* other = static_cast<TBoardHighlight*>(child);
            const bool linked = other->title_ == title_ && other->highlightType_ == highlightType_;
            if (other->radioPanel_ == value && !linked)
                return; // the panel belongs to another group
        }
    }
    radioPanel_ = value;
}

TBoardImage* TBoardHighlight::Board() const
{
    TWinControl* parent = Parent();
    return parent && parent->ClassNameIs(QStringLiteral("TBoardImage"))
        ? static_cast<TBoardImage*>(parent)
        : nullptr;
}

bool TBoardHighlight::IsLinkedTo(const TBoardHighlight* other) const
{
    return other->Board() && other->Parent() == Parent() && other->title_ == title_
        && other->highlightType_ == highlightType_;
}

std::vector<TBoardHighlight*> TBoardHighlight::LinkedMarkers() const
{
    std::vector<TBoardHighlight*> linked;
    TBoardImage* board = Board();
    if (!board)
        return {const_cast<TBoardHighlight*>(this)};
    for (int i = 0; i < board->ControlCount(); ++i) {
        TControl* child = board->Controls(i);
        if (child->ClassNameIs(QStringLiteral("TBoardHighlight"))
            && IsLinkedTo(static_cast<TBoardHighlight*>(child)))
            linked.push_back(static_cast<TBoardHighlight*>(child));
    }
    return linked;
}

void TBoardHighlight::PrepareLooks()
{
    // What lies on the parent's surface under the marker at this moment of the paint pass.
    // At the surface's resolution, so the ring is shaded as finely as the screen shows it.
    const QImage* surface = Canvas().Image();
    const qreal ratio = surface ? surface->devicePixelRatio() : 1.0;
    QImage background;
    if (surface) {
        const QRect area(Canvas().Origin(), QSize(Width(), Height()));
        background = surface->copy(QRect(area.topLeft() * ratio, area.size() * ratio));
    }
    for (TBitmap* look : {&normalLook_, &glowLook_, &litLook_})
        look->SetSize(Width(), Height(), ratio);
    if (background.isNull())
        return; // nothing beneath to shade: the looks stay black
    const TRingLook looks[] = {{&normalLook_.Image(), normalStrength_, false},
        {&glowLook_.Image(), glowStrength_, true}, {&litLook_.Image(), litStrength_, false}};
    ShadeRings(background, ringColor_, looks);
}

void TBoardHighlight::Paint()
{
    if (!prepared_) {
        PrepareLooks();
        TBoardImage* board = Board();
        boardMenu_ = board ? board->Menu() : nullptr;
        if (board)
            RegisterInMenu();
        prepared_ = true;
    }
    const TBitmap& look = popupActive_ && hovered_ ? glowLook_
        : popupActive_ || hovered_                 ? litLook_
                                                   : normalLook_;
    Canvas().DrawImage(Rect(0, 0, Width(), Height()), look.Image());
}

void TBoardHighlight::AccessibleState(QAccessible::State& state) const
{
    TGraphicControl::AccessibleState(state);
    const bool open = popup_ && popup_->Visible();
    state.hasPopup = true;
    state.expandable = true;
    state.expanded = open;
    state.checkable = true;
    state.checked = open && pinned_;
    state.hotTracked = hovered_;
    state.active = popupActive_;
}

void TBoardHighlight::Click()
{
    TGraphicControl::Click();
    Pin();
}

void TBoardHighlight::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        MouseEnter(message);
        break;
    case CM_MOUSELEAVE:
        MouseLeave(message);
        break;
    default:
        TGraphicControl::WndProc(message);
        break;
    }
}

void TBoardHighlight::MouseEnter(TMessage& message)
{
    if (hovered_)
        return;
    hovered_ = true;
    Repaint();
    AnnounceStateChange(HoverState());
    if (createPopup_)
        ShowPopup();
    if (message.WParam == 1 || !Board())
        return;
    for (TBoardHighlight* marker : LinkedMarkers())
        marker->Perform(CM_MOUSEENTER, 1);
}

void TBoardHighlight::MouseLeave(TMessage& message)
{
    if (!hovered_)
        return;
    if (popup_ && !pinned_) {
        const TPoint pointer = Mouse->CursorPos();
        if (popup_->BoundsRect().Contains(pointer.X, pointer.Y)) {
            popup_->SetCloseOnLeave(true); // went straight into the popup: keep it while there
            Pin();
        } else {
            popup_->Close();
        }
    }
    if (message.WParam == 1 || !Board())
        return;
    for (TBoardHighlight* marker : LinkedMarkers())
        marker->Perform(CM_MOUSELEAVE, 1);
}

void TBoardHighlight::Pin()
{
    // Only a popup on the screen is pinned: a hidden one would otherwise carry a check mark in
    // the menu while nothing is open (a click on a marker whose popup was closed under a
    // still pointer).
    if (popup_ && popup_->Visible()) {
        pinned_ = true;
        SetMenuCheck(true);
        AnnounceStateChange(HoverState());
    }
    if (!Board())
        return;
    for (TBoardHighlight* marker : LinkedMarkers()) {
        if (!marker->popup_ || !marker->popup_->Visible())
            continue;
        marker->pinned_ = true;
        marker->SetMenuCheck(true);
        marker->popup_->SetFocus();
    }
}

void TBoardHighlight::SetPopupActive(bool value, bool propagate)
{
    popupActive_ = value;
    BringToFront();
    Repaint();
    QAccessible::State changed;
    changed.active = true;
    AnnounceStateChange(changed);
    TBoardImage* board = Board();
    if (!propagate || !board)
        return;
    // Each call moves a marker to the end of the list; the shrinking limit visits every
    // other child once all the same.
    int limit = board->ControlCount();
    for (int i = 0; i < limit;) {
        TControl* child = board->Controls(i);
        if (child != this && child->ClassNameIs(QStringLiteral("TBoardHighlight"))
            && IsLinkedTo(static_cast<TBoardHighlight*>(child))) {
            static_cast<TBoardHighlight*>(child)->SetPopupActive(value, false);
            --limit;
        } else {
            ++i;
        }
    }
}

void TBoardHighlight::Unhover()
{
    hovered_ = false;
    Repaint();
    AnnounceStateChange(HoverState());
}

QAccessible::State TBoardHighlight::HoverState()
{
    QAccessible::State changed;
    changed.hotTracked = true;
    changed.expanded = true;
    changed.checked = true;
    return changed;
}

void TBoardHighlight::ShowPopup()
{
    if (popup_) {
        if (!popup_->Visible())
            pinned_ = false;
        popup_->Show();
        return;
    }
    // The group's popup may belong to another marker already.
    for (int i = 0; i < Screen->FormCount(); ++i) {
        const TCustomForm* form = Screen->Forms(i);
        if (form->Caption() == displayTitle_ && form->Tag() == highlightType_)
            return;
    }
    BuildPopup();
    popup_->Show();
    if (radioPanel_)
        radioPanel_->SetFocus();
    else
        popup_->DoneButton->SetFocus();
}

void TBoardHighlight::BuildPopup()
{
    popup_ = new TPopupForm(this);
    popup_->SetAutoScroll(false);
    popup_->SetBorderStyle(bsSizeToolWin);
    popup_->SetFormStyle(fsStayOnTop);
    pinned_ = false;

    int memoHeight = 58;
    int panelLeft = 0, panelTop = 0;
    if (radioPanel_) {
        memoHeight = radioPanel_->MemoHeight();
        popup_->OnActivate = radioPanel_->OnActivate;
        popup_->OnDeactivate = radioPanel_->OnDeactivate;
        panelLeft = radioPanel_->Left();
        panelTop = radioPanel_->Top();
        radioPanel_->SetBounds(0, 0, radioPanel_->Width(), radioPanel_->Height());
        radioPanel_->SetVisible(true);
        popup_->SetClientWidth(radioPanel_->Width());
        popup_->SetClientHeight(radioPanel_->Height() + memoHeight + 51);
        radioPanel_->SetParent(popup_);
        radioPanel_->SetAnchors(radioPanel_->FinalAnchors());
        radioPanel_->SetInPopup();
    } else {
        popup_->SetBounds(popup_->Left(), popup_->Top(), 194, 141);
    }
    popup_->SetCaption(displayTitle_);
    popup_->SetBounds(popup_->Left(), popup_->Top(), std::max(194, popup_->Width()),
        std::max(122, popup_->Height()));
    popup_->SetConstraints({popup_->Width(), popup_->Height(), 0, 0});
    popup_->SetTag(highlightType_);
    popup_->SetPosition(poDesigned);

    // Where the panel was designed, moved as far as the board image has moved since its first
    // paint; without a panel, 38 pixels below the parent.
    TWinControl* parent = Parent();
    int dx = 0, dy = 0;
    if (TBoardImage* board = Board()) {
        dx = board->DesignLeft() - panelLeft;
        dy = board->DesignTop() - panelTop;
    }
    if (!radioPanel_) {
        dx = 0;
        dy = -(parent->Height() + 38);
    }
    int left = parent->Left() - dx;
    int top = parent->Top() - dy;

    popup_->OnClose = [this](TObject* sender, TCloseAction& action) { PopupClose(sender, action); };
    popup_->BuildControls(memoHeight, radioPanel_ ? &radioPanel_->Lines() : nullptr);

    // Kept on the screen (a window larger than the screen ends up at a negative place).
    if (left < 0)
        left = 0;
    else if (left + popup_->Width() > Screen->Width())
        left = Screen->Width() - popup_->Width();
    if (top < 0)
        top = 0;
    else if (top + popup_->Height() > Screen->Height())
        top = Screen->Height() - popup_->Height();
    popup_->SetBounds(left, top, popup_->Width(), popup_->Height());
}

void TBoardHighlight::PopupClose(TObject*, TCloseAction&)
{
    SetMenuCheck(false);
    popup_->SetCloseOnLeave(false);
    Unhover();
    if (Board())
        for (TBoardHighlight* marker : LinkedMarkers())
            marker->Unhover();
}

String TBoardHighlight::KindCaption() const
{
    return QString::fromLatin1(Kind(highlightType_).caption);
}

void TBoardHighlight::AddEntry(TMenuItem* kindMenu)
{
    TComponent* owner = boardMenu_->Owner();
    auto* entry = new TMenuItem(owner);
    entry->SetName(UniqueName(owner, nameStem_));
    entry->SetCaption(title_);
    entry->OnClick = [this](TObject* sender) { MenuItemClick(sender); };
    kindMenu->Add(entry);
}

void TBoardHighlight::RegisterInMenu()
{
    if (!boardMenu_)
        return;
    TMenuItem* bar = boardMenu_->Items();
    const String kind = KindCaption();
    if (TMenuItem* kindMenu = ChildCaptioned(bar, kind)) {
        if (!ChildCaptioned(kindMenu, title_) && !title_.isEmpty())
            AddEntry(kindMenu);
        return;
    }
    TComponent* owner = boardMenu_->Owner();
    auto* kindMenu = new TMenuItem(owner);
    kindMenu->SetName(UniqueName(owner, QString::fromLatin1(Kind(highlightType_).namePrefix)));
    kindMenu->SetCaption(kind);
    int position = bar->Count();
    for (int i = 0; i < bar->Count() && position == bar->Count(); ++i)
        for (const char* before : Kind(highlightType_).insertBefore)
            if (bar->Items(i)->Caption() == QLatin1String(before))
                position = i;
    bar->Insert(position, kindMenu);
    if (!title_.isEmpty())
        AddEntry(kindMenu);
}

TMenuItem* TBoardHighlight::FindEntry(int* index) const
{
    if (!boardMenu_)
        return nullptr;
    const TMenuItem* bar = boardMenu_->Items();
    const String kind = KindCaption();
    for (int i = 0; i < bar->Count(); ++i) {
        const TMenuItem* kindMenu = bar->Items(i);
        if (kindMenu->Caption() != kind)
            continue;
        for (int j = 0; j < kindMenu->Count(); ++j) {
            if (kindMenu->Items(j)->Caption() == title_) {
                if (index)
                    *index = j;
                return kindMenu->Items(j);
            }
        }
    }
    return nullptr;
}

void TBoardHighlight::SetMenuCheck(bool value)
{
    if (TMenuItem* entry = FindEntry())
        entry->SetChecked(value);
}

void TBoardHighlight::MenuItemClick(TObject* sender)
{
    const bool checkedEntry = sender && sender->ClassNameIs(QStringLiteral("TMenuItem"))
        && static_cast<TMenuItem*>(sender)->Checked();
    if (checkedEntry) {
        // The group's popup is open and pinned: choosing the entry again closes it.
        if (popup_) {
            popup_->Close();
        } else if (Board()) {
            for (TBoardHighlight* marker : LinkedMarkers())
                if (marker->popup_)
                    marker->MenuItemClick(sender);
        }
        return;
    }
    Perform(CM_MOUSEENTER, 0);
    Pin();
    Perform(CM_MOUSELEAVE, 0);
}

void TBoardHighlight::StepTour(int step)
{
    int index = 0;
    TMenuItem* entry = FindEntry(&index);
    if (!entry)
        return;
    TMenuItem* kindMenu = entry->Parent();
    const int count = kindMenu->Count();
    TMenuItem* target = kindMenu->Items((index + step + count) % count);
    if (popup_)
        popup_->Close();
    // Sent as the marker, not the menu item, so the target always opens and pins.
    if (target->OnClick)
        target->OnClick(this);
}

void TBoardHighlight::PreviousClick(TObject*)
{
    StepTour(-1);
}

void TBoardHighlight::NextClick(TObject*)
{
    StepTour(+1);
}

void TBoardHighlight::DoneClick(TObject*)
{
    if (popup_)
        popup_->Close();
}
