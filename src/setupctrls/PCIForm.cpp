#include "setupctrls/PCIForm.h"
#include "setupctrls/WindowBuilding.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"

TPCIForm::TPCIForm(TComponent* owner, const String& cardName) : TForm(owner)
{
    SetName(QStringLiteral("PCIForm"));
    SetCaption(cardName + QStringLiteral(" Cards installed"));
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefault);
    pciMemo_ = CreateReadOnlyMemo(*this, QStringLiteral("PCIMemo"));
    pciMemo_->Font().SetName(QStringLiteral("Tahoma"));
    pciMemo_->Font().SetSize(10);
    pciMemo_->Font().SetStyle(fsBold);
    // Centred on the window as it is now; the fitting below moves it with the memo, and it is
    // not centred again.
    closeButton_ = CreateCloseButton(*this, Div(Width() - CloseButtonWidth, 2));
    FitToControls(*this);
    pciMemo_->SetAnchors(akLeft | akTop | akRight | akBottom);
    closeButton_->SetAnchors(akBottom);
}
