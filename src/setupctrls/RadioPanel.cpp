#include "setupctrls/RadioPanel.h"

TRadioPanel::TRadioPanel(TComponent* owner)
    : TCustomPanel(owner)
{
    SetAnchors(akLeft | akTop);
    SetBevelOuter(bvNone);
    SetBounds(Left(), Top(), 194, 100);
    SetVisible(false);
}

void TRadioPanel::SetFinalAnchors(TAnchors value)
{
    if (inPopup_)
        SetAnchors(value);
    finalAnchors_ = value;
}
