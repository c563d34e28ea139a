#include "setupctrls/TechForm.h"
#include "setupctrls/WindowBuilding.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"

TTechForm::TTechForm(TComponent* owner, const String& supportText) : TForm(owner)
{
    SetName(QStringLiteral("TechForm"));
    SetCaption(QStringLiteral("Technical Support"));
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefault);
    techMemo_ = CreateReadOnlyMemo(*this, QStringLiteral("TechMemo"));
    techMemo_->SetWordWrap(true);
    techMemo_->Lines().SetStrings(supportText.split(QStringLiteral("\r\n")));
    closeButton_ = CreateCloseButton(*this, 165);
    FitToControls(*this);
    techMemo_->SetAnchors(akLeft | akTop | akRight | akBottom);
    closeButton_->SetLeft(Div(ClientWidth() - closeButton_->Width(), 2));
    closeButton_->SetAnchors(akBottom);
}
