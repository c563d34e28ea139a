#include "setupctrls/HelpForm.h"
#include "setupctrls/SetupTypes.h"
#include "setupctrls/WindowBuilding.h"
#include "vcl/Application.h"
#include "vcl/Button.h"
#include "vcl/Label.h"
#include "vcl/RichEdit.h"
#include <algorithm>

namespace {
// Space left below the Start button.
constexpr int BottomMargin = 8;
constexpr TColor LightGrey = 0xDDDDDD;
} // namespace

double ScreenScale(int screenWidth, int screenHeight)
{
    const double scale = std::min(screenHeight / 450.0, screenWidth / 800.0);
    return std::max(scale, 1.0);
}

THelpForm::THelpForm(TComponent* owner, const QByteArray& helpDocument, double screenScale)
    : TForm(owner)
{
    SetName(QStringLiteral("HelpForm"));
    SetCaption(QStringLiteral("Instructions for Settings utility"));
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);
    CreateHelpLabel();
    CreateHelpRich(helpDocument);
    CreateStartButton();
    Arrange();
    ScaleClientArea(screenScale);
}

void THelpForm::CreateHelpLabel()
{
    helpLabel_ = new TLabel(this);
    helpLabel_->SetName(QStringLiteral("HelpLabel"));
    helpLabel_->SetParent(this);
    helpLabel_->SetAlign(alTop);
    helpLabel_->SetAlignment(taCenter);
    helpLabel_->SetCaption(QStringLiteral("How to use this program"));
    helpLabel_->Font().SetName(QStringLiteral("Verdana"));
    helpLabel_->Font().SetSize(12);
    helpLabel_->Font().SetStyle(fsBold);
}

void THelpForm::CreateHelpRich(const QByteArray& helpDocument)
{
    helpRich_ = new TRichEdit(this);
    helpRich_->SetName(QStringLiteral("HelpRich"));
    helpRich_->SetParent(this);
    helpRich_->SetBounds(0, 24, 305, 73);
    helpRich_->SetReadOnly(true);
    helpRich_->SetScrollBars(ssVertical);
    helpRich_->SetColor(LightGrey);
    helpRich_->LoadRtf(helpDocument);
}

void THelpForm::CreateStartButton()
{
    startButton_ = new TButton(this);
    startButton_->SetName(QStringLiteral("StartButton"));
    startButton_->SetParent(this);
    startButton_->SetCaption(QStringLiteral("Start"));
    startButton_->SetBounds(startButton_->Left(), 105, 173, 25);
    startButton_->SetDefault(true);
    startButton_->SetCancel(true);
    startButton_->SetTabOrder(0);
    startButton_->OnClick = [this](TObject* sender) { StartButtonClick(sender); };
}

// The client area fits the controls; the text box then follows the window's size and the
// button stays centred at the bottom.
void THelpForm::Arrange()
{
    SetClientWidth(helpRich_->Width());
    FitToControls(*this);
    SetClientHeight(startButton_->Top() + startButton_->Height() + BottomMargin);
    helpRich_->SetAnchors(akLeft | akTop | akRight | akBottom);
    startButton_->SetLeft(Div(ClientWidth() - startButton_->Width(), 2));
    startButton_->SetAnchors(akBottom);
}

void THelpForm::ScaleClientArea(double scale)
{
    SetClientWidth(RoundHalfEven(ClientWidth() * scale));
    SetClientHeight(RoundHalfEven(ClientHeight() * scale));
}

void THelpForm::StartButtonClick(TObject*)
{
    Hide();
    TCustomForm* main = Application->MainForm();
    if (!main)
        return;
    for (int i = 0; i < main->ControlCount(); ++i) {
        TControl* control = main->Controls(i);
        if (control->InheritsFrom(QStringLiteral("TBoardImage"))) {
            control->Perform(WM_STARTTOUR, 0, 0);
            return;
        }
    }
}
