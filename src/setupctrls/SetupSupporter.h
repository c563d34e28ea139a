#pragma once
// The non-visual component that turns a main window full of markers into a settings program.
// At the first idle moment it builds, once, the header label across the top of the main
// window, the help window, the technical-support window and, when the host describes
// installed cards, the card-list window with its File-menu entry; about 100 ms later it shows
// the help window. It also runs the calibration polling on the same 100 ms timer.
//
// A host hooks it up by placing one on its main window, setting its texts and pointing the
// application's idle event at FirstIdle:
//     Application->OnIdle = std::bind_front(&TSetupSupporter::FirstIdle, SetSup);
// The windows it builds are owned by the application's main window and go with it.

#include "vcl/Component.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TButton;
class TComboBox;
class TControl;
class TCustomForm;
class TLabel;
class TUtilityWindow;
class THelpForm;
class TPCIForm;
class TTechForm;
struct TMessage;

// The text to list for one installed card (CardIndex counts from 0); empty lists nothing.
using TPCIEvent = std::function<String(TObject* Sender, std::int32_t CardIndex)>;
// The reading of one channel. The handler clears ItsAllBad when the reading is usable.
using TCalibEvent = std::function<String(TObject* Sender, std::uint8_t Channel, bool& ItsAllBad)>;

// Where calibration readings are shown: the host's variables that hold the controls, so that
// the supporter always reaches the control a variable holds at the time. A null variable, or
// one that holds no control, is passed over.
struct TCalibDisplay
{
    TComboBox** ChannelList = nullptr; // item n shows channel n's reading
    TButton** CalibButton = nullptr; // reset to "Start" with OnStartButtonClick
    TControl** HideControl = nullptr; // hidden at every polling tick
};

class TSetupSupporter : public TComponent
{
    VCL_CLASS(TSetupSupporter, TComponent)
public:
    explicit TSetupSupporter(TComponent* owner);
    // Polling and the timer end with the supporter.
    ~TSetupSupporter() override;

    // Settings.
    String CompanyName() const { return companyName_; }
    void SetCompanyName(const String& value) { companyName_ = value; }
    String CardNameA() const { return cardNameA_; }
    void SetCardNameA(const String& value) { cardNameA_ = value; }
    String CardNameB() const { return cardNameB_; }
    void SetCardNameB(const String& value) { cardNameB_ = value; }
    bool UseCardNameB() const { return useCardNameB_; }
    void SetUseCardNameB(bool value) { useCardNameB_ = value; }
    // When and how to call the maker's support line, a phrase that fits into a sentence.
    String CallHow() const { return callHow_; }
    void SetCallHow(const String& value) { callHow_ = value; }
    bool MultiPort() const { return multiPort_; }
    void SetMultiPort(bool value) { multiPort_ = value; }
    std::uint8_t Channels() const { return channels_; }
    void SetChannels(std::uint8_t value) { channels_ = value; }
    bool ChangeButtons() const { return changeButtons_; }
    void SetChangeButtons(bool value) { changeButtons_ = value; }
    bool bSeries() const { return bSeries_; }
    void SetbSeries(bool value) { bSeries_ = value; }

    // Assigned: the card-list window, its menu entry and the card count are made.
    TPCIEvent OnGetCardString;
    TCalibEvent OnGetCalibString;
    // Kept for the host; the supporter gives it to no control.
    TNotifyEvent OnStopButtonClick;
    // Given to the display buttons by ResetButtons.
    TNotifyEvent OnStartButtonClick;
    // Raised at the start of every polling tick. Setting it restarts a running timer's period.
    const TNotifyEvent& OnBeginCalib() const { return onBeginCalib_; }
    void SetOnBeginCalib(TNotifyEvent value);

    // The card's name as the windows were built with: CardNameB when UseCardNameB, else
    // CardNameA. Empty before BuildWindows.
    String CardName() const { return cardName_; }
    bool HelpPending() const { return helpPending_; }
    bool Calibrating() const { return calibrating_; }
    // Built at the first idle moment; null before.
    TLabel* HeaderLabel() const { return headerLabel_; }
    THelpForm* HelpForm() const { return helpForm_; }
    TTechForm* TechForm() const { return techForm_; }
    // Stays null when OnGetCardString is unassigned.
    TPCIForm* PCIForm() const { return pciForm_; }
    const std::vector<TCalibDisplay>& CalibDisplays() const { return calibDisplays_; }

    // The application's idle handler: unhooks itself from Sender (the application object),
    // leaves Done as it is and builds the windows.
    void FirstIdle(TObject* Sender, bool& Done);
    // Builds the header label and the windows, then lets the timer show the help window.
    void BuildWindows();
    // Shows the card-list window and brings it to the front.
    void DisplayPCIClick(TObject* Sender);
    // Hides the window that holds Sender.
    void CloseButtonClick(TObject* Sender);

    // Runs timer 1 every 100 ms while Calibrating or HelpPending, else stops it. Raises
    // EOutOfResources when the platform refuses the timer.
    void UpdateTimer();
    // One timer tick: shows the pending help window, or else polls the channels once.
    void TimerTick();

    // Registers a calibration display by the host's variables (any may be null).
    void AddCalibDisplay(TComboBox** channelList, TButton** calibButton, TControl** hideControl);
    // Starts (true) or stops (false) the polling.
    void SetCalibrating(bool value);
    // With ChangeButtons, gives every display button the caption "Start" and the click handler
    // OnStartButtonClick; then stops polling.
    void ResetButtons();
    // Writes "Channel <n>\t<value>" over item n of every display's list; raises
    // EStringListError when a list has no item n.
    void ShowChannelValues(std::uint8_t Channel, const String& Value);

private:
    void UtilityWndProc(TMessage& message);
    void PollChannels();
    void ReportMissingCalibEvent();
    void ReportTotalFailure();
    void HideDisplayControls();
    void CreateHeaderLabel(TCustomForm& mainForm);
    void CreateHelpForm(TCustomForm& mainForm);
    void CreateTechForm(TCustomForm& mainForm);
    void AddDisplayPCIEntry(TCustomForm& mainForm);
    void CreatePCIForm(TCustomForm& mainForm);
    bool ListInstalledCards();

    String companyName_;
    String cardNameA_;
    String cardNameB_;
    bool useCardNameB_ = false;
    String callHow_;
    bool multiPort_ = false;
    std::uint8_t channels_ = 8;
    bool changeButtons_ = true;
    bool bSeries_ = true;
    bool helpPending_ = false;
    bool calibrating_ = false;
    bool ticking_ = false;
    std::unique_ptr<TUtilityWindow> utilityWindow_;
    TNotifyEvent onBeginCalib_;
    String cardName_;
    TLabel* headerLabel_ = nullptr;
    TPCIForm* pciForm_ = nullptr;
    THelpForm* helpForm_ = nullptr;
    TTechForm* techForm_ = nullptr;
    std::vector<TCalibDisplay> calibDisplays_;
};
