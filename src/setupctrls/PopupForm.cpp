#include "setupctrls/PopupForm.h"
#include "setupctrls/BoardHighlight.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"
#include "vcl/Screen.h"
#include "vcl/StatusBar.h"

TPopupForm::TPopupForm(TBoardHighlight* marker) : TForm(marker), marker_(marker) { }

TButton* TPopupForm::AddButton(
    const char* name, const char* caption, TRect bounds, TAnchors anchors)
{
    auto* button = new TButton(this);
    button->SetName(QString::fromLatin1(name));
    button->SetParent(this);
    button->SetCaption(QString::fromLatin1(caption));
    button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    button->SetAnchors(anchors);
    return button;
}

void TPopupForm::BuildControls(int memoHeight, const TStrings* lines)
{
    const int cw = ClientWidth();
    const int ch = ClientHeight();

    PopupStatus = new TStatusBar(this);
    PopupStatus->SetName(QStringLiteral("PopupStatus"));
    PopupStatus->SetParent(this);
    PopupStatus->SetBounds(0, ch - 19, cw, 19);
    PopupStatus->SetAnchors(akLeft | akRight | akBottom);
    PopupStatus->AddPanel().SetBevel(pbNone);

    PreviousButton
        = AddButton("PreviousButton", "Previous", Bounds(6, ch - 44, 58, 25), akLeft | akBottom);
    PreviousButton->OnClick = [this](TObject* sender) { marker_->PreviousClick(sender); };
    // Neither left nor right anchor: the button stays centred.
    NextButton
        = AddButton("NextButton", "Next", Bounds(Div(cw - 58, 2), ch - 44, 58, 25), akBottom);
    NextButton->OnClick = [this](TObject* sender) { marker_->NextClick(sender); };
    DoneButton
        = AddButton("DoneButton", "Done", Bounds(cw - 64, ch - 44, 58, 25), akRight | akBottom);
    DoneButton->OnClick = [this](TObject* sender) { marker_->DoneClick(sender); };

    StatusMemo = new TMemo(this);
    StatusMemo->SetName(QStringLiteral("StatusMemo"));
    StatusMemo->SetParent(this);
    StatusMemo->SetBounds(6, ch - 50 - memoHeight, cw - 12, memoHeight);
    StatusMemo->SetAnchors(akLeft | akTop | akRight | akBottom);
    StatusMemo->SetReadOnly(true);
    StatusMemo->SetScrollBars(ssVertical);
    if (lines)
        StatusMemo->Lines().Assign(*lines);
}

void TPopupForm::WndProc(TMessage& message)
{
    if (Destroying() || marker_->Destroying()) {
        TForm::WndProc(message);
        return;
    }
    switch (message.Msg) {
    case WM_ACTIVATE:
        // The group's markers glow while this window is active; the platform's own
        // activation handling of forms is skipped.
        marker_->SetPopupActive(message.WParam != WA_INACTIVE, true);
        message.Result = 0;
        return;
    case CM_MOUSELEAVE: {
        const TPoint pointer = Mouse->CursorPos();
        const bool inside = BoundsRect().Contains(pointer.X, pointer.Y);
        if (!inside && closeOnLeave_) {
            Close();
            return;
        }
        break;
    }
    default:
        break;
    }
    TForm::WndProc(message);
}
