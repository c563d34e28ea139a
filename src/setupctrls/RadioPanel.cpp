#include "setupctrls/RadioPanel.h"
#include "setupctrls/TwoJumper.h"

TRadioPanel::TRadioPanel(TComponent* owner) : TCustomPanel(owner)
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

void TRadioPanel::SelectJumper(TTwoJumper* jumper)
{
    bool changed = false;
    for (int i = 0; i < ControlCount(); ++i) {
        // Only the class itself belongs to the group, not classes derived from it.
        auto* member = dynamic_cast<TTwoJumper*>(Controls(i));
        if (!member || !member->ClassNameIs(QStringLiteral("TTwoJumper")))
            continue;
        const bool closed = member == jumper;
        if (member->Closed() != closed)
            changed = true;
        member->SetClosed(closed);
    }
    if (changed && OnRadioChange)
        OnRadioChange(jumper);
}
