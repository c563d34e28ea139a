#include "setupctrls/SetupSupporter.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/PCIForm.h"
#include "setupctrls/SetupTexts.h"
#include "setupctrls/TechForm.h"
#include "tornix/Tornix.h"
#include "vcl/Application.h"
#include "vcl/Button.h"
#include "vcl/ComboBox.h"
#include "vcl/Label.h"
#include "vcl/Memo.h"
#include "vcl/Menu.h"
#include "vcl/Screen.h"
#include "vcl/SysUtils.h"
#include "vcl/UtilityWindow.h"
#include <algorithm>

namespace {

constexpr unsigned TimerId = 1;
constexpr int TimerPeriodMs = 100;

// A PCI system holds at most 256 buses of 32 device slots, and a machine far fewer boards of
// one maker than 256. A larger count can only come from a faulty driver (one answering
// 0x7fffffff would have the host asked for two billion lines and the program hang), so the
// list stops there.
constexpr std::int32_t MaxListedCards = 256;

constexpr unsigned MissingCalibEventFlags
    = MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST;
constexpr unsigned TotalFailureFlags
    = MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST;
static_assert(MissingCalibEventFlags == 0x50030 && TotalFailureFlags == 0x50135);

// The first top-level item of the window's menu bar captioned exactly "&File", or null.
TMenuItem* FindFileMenu(const TCustomForm& window)
{
    if (!window.Menu())
        return nullptr;
    const TMenuItem* bar = window.Menu()->Items();
    for (int i = 0; i < bar->Count(); ++i)
        if (bar->Items(i)->Caption() == QStringLiteral("&File"))
            return bar->Items(i);
    return nullptr;
}

} // namespace

TSetupSupporter::TSetupSupporter(TComponent* owner)
    : TComponent(owner),
      utilityWindow_(
          std::make_unique<TUtilityWindow>([this](TMessage& message) { UtilityWndProc(message); }))
{
}

// Polling ends here: the utility window goes with the supporter and takes its timer with it.
// The timer is not restarted for a still pending help window first, as a stop-and-restart
// would: it would die with the window at once, and a refused timer cannot raise from here.
TSetupSupporter::~TSetupSupporter() = default;

void TSetupSupporter::SetOnBeginCalib(TNotifyEvent value)
{
    onBeginCalib_ = std::move(value);
    UpdateTimer();
}

void TSetupSupporter::FirstIdle(TObject* Sender, bool&)
{
    if (auto* application = dynamic_cast<TApplication*>(Sender))
        application->OnIdle = nullptr;
    BuildWindows();
}

void TSetupSupporter::BuildWindows()
{
    TCustomForm* mainForm = Application->MainForm();
    if (!mainForm)
        throw Exception(QStringLiteral("The setup supporter needs the application's main window"));
    cardName_ = useCardNameB_ ? cardNameB_ : cardNameA_;
    CreateHeaderLabel(*mainForm);
    CreateHelpForm(*mainForm);
    CreateTechForm(*mainForm);
    if (OnGetCardString) {
        AddDisplayPCIEntry(*mainForm);
        CreatePCIForm(*mainForm);
    }
    const bool cardFound = OnGetCardString ? ListInstalledCards() : true;
    headerLabel_->SetCaption(
        cardFound ? SettingsTitle(cardName_, bSeries_) : NoCardTitle(cardName_, bSeries_));
    helpPending_ = true;
    UpdateTimer();
}

void TSetupSupporter::CreateHeaderLabel(TCustomForm& mainForm)
{
    headerLabel_ = new TLabel(&mainForm);
    headerLabel_->SetName(QStringLiteral("HeaderLabel"));
    // Placed on the window before it is aligned: the layer aligns a control when its Align
    // changes, not when it gets a parent.
    headerLabel_->SetParent(&mainForm);
    headerLabel_->SetAlign(alTop);
    headerLabel_->SetAlignment(taCenter);
    headerLabel_->Font().SetName(QStringLiteral("Tahoma"));
    headerLabel_->Font().SetSize(18);
    headerLabel_->Font().SetStyle(fsBold);
    headerLabel_->Font().SetColor(clBlack);
}

void TSetupSupporter::CreateHelpForm(TCustomForm& mainForm)
{
    const THelpTopics topics {
        companyName_, cardName_, bSeries_, multiPort_, static_cast<bool>(OnGetCardString)};
    helpForm_ = new THelpForm(
        &mainForm, HelpDocument(topics), ScreenScale(Screen->Width(), Screen->Height()));
}

void TSetupSupporter::CreateTechForm(TCustomForm& mainForm)
{
    techForm_ = new TTechForm(&mainForm, SupportText(companyName_, callHow_));
    techForm_->CloseButton()->OnClick = [this](TObject* sender) { CloseButtonClick(sender); };
}

void TSetupSupporter::AddDisplayPCIEntry(TCustomForm& mainForm)
{
    TMenuItem* fileMenu = FindFileMenu(mainForm);
    if (!fileMenu)
        return;
    auto* entry = new TMenuItem(fileMenu);
    entry->SetName(QStringLiteral("DisplayPCI"));
    entry->SetCaption(QStringLiteral("Display ") + cardName_ + QStringLiteral(" Cards Installed"));
    entry->OnClick = [this](TObject* sender) { DisplayPCIClick(sender); };
    fileMenu->Insert(0, entry);
}

void TSetupSupporter::CreatePCIForm(TCustomForm& mainForm)
{
    pciForm_ = new TPCIForm(&mainForm, cardName_);
    pciForm_->CloseButton()->OnClick = [this](TObject* sender) { CloseButtonClick(sender); };
    pciForm_->Show();
}

// Lists one line per installed card; returns whether any card's line was listed.
bool TSetupSupporter::ListInstalledCards()
{
    Tornix::LoadBoardDriver();
    const Tornix::TGetNumCards getNumCards = Tornix::GetNumCards();
    const std::int32_t count = std::min(getNumCards ? getNumCards() : 0, MaxListedCards);
    TStrings& lines = pciForm_->PCIMemo()->Lines();
    bool cardFound = false;
    if (count > 0) {
        lines.Clear();
        for (std::int32_t index = 0; index < count; ++index) {
            const String text = OnGetCardString(this, index);
            if (!text.isEmpty()) {
                lines.Add(text);
                cardFound = true;
            }
        }
    }
    if (!cardFound)
        lines.SetStrings({QStringLiteral("No Card Found")});
    return cardFound;
}

void TSetupSupporter::DisplayPCIClick(TObject*)
{
    if (pciForm_)
        pciForm_->Show();
}

void TSetupSupporter::CloseButtonClick(TObject* Sender)
{
    auto* control = dynamic_cast<TControl*>(Sender);
    if (control && control->Parent())
        control->Parent()->Hide();
}

void TSetupSupporter::UpdateTimer()
{
    utilityWindow_->KillTimer(TimerId);
    if ((calibrating_ || helpPending_) && !utilityWindow_->SetTimer(TimerId, TimerPeriodMs))
        throw EOutOfResources(QStringLiteral("Not enough timers available"));
}

// A tick that is still running, its error report or one of its message boxes open, holds
// back the ticks that fall due meanwhile; they are not queued up.
void TSetupSupporter::UtilityWndProc(TMessage& message)
{
    if (message.Msg != WM_TIMER || ticking_)
        return;
    ticking_ = true;
    Application->Guard([this] { TimerTick(); });
    ticking_ = false;
}

void TSetupSupporter::TimerTick()
{
    if (!helpPending_) {
        PollChannels();
        return;
    }
    helpForm_->Show();
    helpPending_ = false;
    UpdateTimer();
}

void TSetupSupporter::PollChannels()
{
    if (onBeginCalib_)
        onBeginCalib_(this);
    if (!OnGetCalibString) {
        ReportMissingCalibEvent();
        return;
    }
    HideDisplayControls();
    bool itsAllBad = true;
    for (int channel = 0; channel < channels_; ++channel) {
        const auto number = static_cast<std::uint8_t>(channel);
        ShowChannelValues(number, OnGetCalibString(this, number, itsAllBad));
    }
    // With no channel polled there is no reading, and so no evidence of a failure either.
    if (channels_ > 0 && itsAllBad)
        ReportTotalFailure();
}

void TSetupSupporter::ReportMissingCalibEvent()
{
    SetCalibrating(false);
    Application->MessageBox(
        QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."),
        QStringLiteral("OnGetCalibString Not Assigned"), MissingCalibEventFlags);
    ResetButtons();
}

void TSetupSupporter::ReportTotalFailure()
{
    SetCalibrating(false);
    const int answer = Application->MessageBox(
        QStringLiteral("Total A/D failure. The card may not be installed, or it may be installed "
                       "at a different base address."),
        QStringLiteral("Total A/D failure"), TotalFailureFlags);
    if (answer == IDRETRY)
        SetCalibrating(true);
    else
        ResetButtons();
}

void TSetupSupporter::HideDisplayControls()
{
    for (const TCalibDisplay& display : calibDisplays_)
        if (display.HideControl && *display.HideControl)
            (*display.HideControl)->Hide();
}

void TSetupSupporter::AddCalibDisplay(
    TComboBox** channelList, TButton** calibButton, TControl** hideControl)
{
    calibDisplays_.push_back({channelList, calibButton, hideControl});
}

void TSetupSupporter::SetCalibrating(bool value)
{
    if (value == calibrating_)
        return;
    calibrating_ = value;
    UpdateTimer();
}

void TSetupSupporter::ResetButtons()
{
    if (changeButtons_) {
        for (const TCalibDisplay& display : calibDisplays_) {
            if (!display.CalibButton || !*display.CalibButton)
                continue;
            TButton* button = *display.CalibButton;
            button->OnClick = OnStartButtonClick;
            button->SetCaption(QStringLiteral("Start"));
        }
    }
    SetCalibrating(false);
}

void TSetupSupporter::ShowChannelValues(std::uint8_t Channel, const String& Value)
{
    const String line
        = QStringLiteral("Channel ") + QString::number(Channel) + QLatin1Char('\t') + Value;
    for (const TCalibDisplay& display : calibDisplays_)
        if (display.ChannelList && *display.ChannelList)
            (*display.ChannelList)->Items().Put(Channel, line);
}
