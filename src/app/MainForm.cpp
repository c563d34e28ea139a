#include "app/MainForm.h"
#include "app/BoardPhoto.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/RadioPanel.h"
#include "setupctrls/SetupSupporter.h"
#include "setupctrls/TechForm.h"
#include "setupctrls/ThreeJumper.h"
#include "setupctrls/TwoJumper.h"
#include "vcl/Application.h"
#include "vcl/ComboBox.h"
#include "vcl/Label.h"
#include "vcl/Menu.h"
#include "vcl/PaintBox.h"
#include "vcl/SysUtils.h"
#include <QBuffer>
#include <QTimer>
#include <cstdlib>

namespace {
const char* const EnableText
    = "This jumper allows you to configure the relay to be controlled by the watchdog circuit, "
      "always de-energized, or always energized. It should be in the Watchdog-Controlled position "
      "for normal use, but can also be used as an \"OK\" signal to an external device.";

const char* const ConnectText[] = {
    "These pins are used to connect the card to the system. Connection is described in detail in "
    "the manual, but briefly:",
    "",
    "- Ensure the GND jumper is removed.",
    "- Disconnect the reset button jumper cable from your motherboard and connect it as shown to "
    "the card.",
    "- Connect the provided jumper cable as shown to the card, then connect the other end to your "
    "motherboard where the reset button jumper cable had been.",
    "- It doesn't matter whether the jumpers are put on \"left-handed\" or \"right-handed\", as "
    "long as they're horizontal.",
    "",
    "This configuration will work on most modern computers. If it doesn't work on yours, try one "
    "of the other configurations in the manual.",
};

template<class T> T* Make(TComponent* owner, const char* name)
{
    auto* component = new T(owner);
    component->SetName(QString::fromLatin1(name));
    return component;
}

template<class T> T* Make(TComponent* owner, const char* name, TWinControl* parent)
{
    T* control = Make<T>(owner, name);
    control->SetParent(parent);
    return control;
}

TMenuItem* MakeItem(TComponent* owner, const char* name, const char* caption, TMenuItem* under)
{
    auto* item = Make<TMenuItem>(owner, name);
    item->SetCaption(QString::fromLatin1(caption));
    under->Add(item);
    return item;
}
} // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner)
{
    SetName(QStringLiteral("MainForm"));
    SetBounds(181, 92, 826, 631);
    SetCaption(QStringLiteral("Setup"));
    SetColor(clWhite);
    SetPosition(poScreenCenter);
    SetWindowState(wsMaximized);
    CreateBoardImage();
    CreateEnablePanel();
    CreateConnectPanel();
    CreateMainMenu();
    CreateSetupSupporter();
    // Links between components, once all of them exist.
    SetMenu(MainMenu1);
    BoardImage1->SetFirst(ConnectHighlight);
    BoardImage1->SetMenu(MainMenu1);
    ConnectHighlight->SetRadioPanel(ConnectPanel);
    EnableHighlight->SetRadioPanel(EnablePanel);
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TMainForm::CreateBoardImage()
{
    BoardImage1 = Make<TBoardImage>(this, "BoardImage1", this);
    BoardImage1->SetBounds(118, 122, 600, 409);
    BoardImage1->SetAutoSize(false);
    LoadBoardPicture(BoardImage1, BoardPhotoDefinitionBytes());
    BoardImage1->SetStretch(true);

    ConnectHighlight = Make<TBoardHighlight>(this, "ConnectHighlight", BoardImage1);
    ConnectHighlight->SetBounds(59, 0, 68, 23);
    ConnectHighlight->SetTitle(QStringLiteral("&Connecting The Watchdog"));

    EnableHighlight = Make<TBoardHighlight>(this, "EnableHighlight", BoardImage1);
    EnableHighlight->SetBounds(106, 249, 51, 21);
    EnableHighlight->SetTitle(QStringLiteral("Relay &Enabling"));
}

void TMainForm::LoadBoardPicture(TBoardImage* image, const QByteArray& definition)
{
    QByteArray bytes = definition;
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    TPicture picture;
    try {
        picture.ReadData(stream);
    } catch (const Exception& error) {
        const String message
            = QStringLiteral("The card photograph cannot be shown: %1").arg(error.Message());
        QTimer::singleShot(0, [message] { Application->ShowException(message); });
        return;
    }
    image->SetPicture(picture);
}

void TMainForm::CreateEnablePanel()
{
    EnablePanel = Make<TRadioPanel>(this, "EnablePanel", this);
    EnablePanel->SetBounds(277, 406, 260, 59);
    EnablePanel->Lines().SetStrings({QString::fromLatin1(EnableText)});
    EnablePanel->SetBevelOuter(bvNone);
    EnablePanel->SetTabOrder(1);
    EnablePanel->OnEnter = [this](TObject* sender) { EnablePanelEnter(sender); };

    EnableJumper = Make<TThreeJumper>(this, "EnableJumper", EnablePanel);
    EnableJumper->SetBounds(186, 19, 43, 18);
    EnableJumper->SetJumperState(jsRight);
    EnableJumper->OnClick = [this](TObject* sender) { EnableJumperClick(sender); };

    Label13 = Make<TLabel>(this, "Label13", EnablePanel);
    Label13->SetBounds(167, 22, 16, 13);
    Label13->SetAlignment(taRightJustify);
    Label13->SetCaption(QStringLiteral("ON"));

    Label14 = Make<TLabel>(this, "Label14", EnablePanel);
    Label14->SetBounds(232, 22, 15, 13);
    Label14->SetCaption(QStringLiteral("EN"));

    EnableBox = Make<TComboBox>(this, "EnableBox", EnablePanel);
    EnableBox->SetBounds(15, 18, 130, 21);
    EnableBox->SetStyle(csDropDownList);
    EnableBox->SetItemHeight(13);
    EnableBox->Items().SetStrings({QStringLiteral("Watchdog-Controlled"),
        QStringLiteral("Always De-Energized"), QStringLiteral("Always Energized")});
    EnableBox->SetTabOrder(0);
    EnableBox->OnChange = [this](TObject* sender) { EnableBoxChange(sender); };
}

void TMainForm::CreateConnectPanel()
{
    ConnectPanel = Make<TRadioPanel>(this, "ConnectPanel", this);
    ConnectPanel->SetBounds(408, 72, 385, 97);
    QStringList lines;
    for (const char* line : ConnectText)
        lines.append(QString::fromLatin1(line));
    ConnectPanel->Lines().SetStrings(lines);
    ConnectPanel->SetBevelOuter(bvNone);
    ConnectPanel->SetTabOrder(2);
    ConnectPanel->OnEnter = [this](TObject* sender) { ConnectPanelEnter(sender); };

    GNDJumper = Make<TTwoJumper>(this, "GNDJumper", ConnectPanel);
    GNDJumper->SetBounds(304, 48, 33, 17);
    GNDJumper->SetEnabled(false);

    Label1 = Make<TLabel>(this, "Label1", ConnectPanel);
    Label1->SetAutoSize(false);
    Label1->SetAlignment(taCenter);
    Label1->SetBounds(296, 64, 49, 17);
    Label1->SetCaption(QStringLiteral("GND"));

    ConnectPaint = Make<TPaintBox>(this, "ConnectPaint", ConnectPanel);
    ConnectPaint->SetBounds(0, 0, 289, 97);
    ConnectPaint->OnPaint = [this](TObject* sender) { ConnectPaintPaint(sender); };
    ConnectPaint->SetAccessibleName(QStringLiteral("Cable diagram"));
    ConnectPaint->SetAccessibleDescription(QStringLiteral(
        "The provided cable joins the upper connector to the motherboard; the reset button "
        "cable joins the lower connector."));

    ConfigBox = Make<TComboBox>(this, "ConfigBox", ConnectPanel);
    ConfigBox->SetBounds(296, 16, 81, 21);
    ConfigBox->SetItemHeight(13);
    ConfigBox->Items().SetStrings({QStringLiteral("Reset"), QStringLiteral("Power OK")});
    ConfigBox->SetVisible(false);
    ConfigBox->SetTabOrder(0);
    ConfigBox->OnChange = [this](TObject* sender) { ConfigBoxChange(sender); };
}

void TMainForm::CreateMainMenu()
{
    MainMenu1 = Make<TMainMenu>(this, "MainMenu1");
    TMenuItem* bar = MainMenu1->Items();
    File1 = MakeItem(this, "File1", "&File", bar);
    Exit2 = MakeItem(this, "Exit2", "&Exit", File1);
    Exit2->OnClick = [this](TObject* sender) { Exit2Click(sender); };
    Help1 = MakeItem(this, "Help1", "&Help", bar);
    Howtousethisprogram1
        = MakeItem(this, "Howtousethisprogram1", "H&ow to use this program", Help1);
    Howtousethisprogram1->OnClick = [this](TObject* sender) { Howtousethisprogram1Click(sender); };
    TechnicalSupport1 = MakeItem(this, "TechnicalSupport1", "&Technical Support", Help1);
    TechnicalSupport1->OnClick = [this](TObject* sender) { TechnicalSupport1Click(sender); };
}

void TMainForm::CreateSetupSupporter()
{
    SetSup = Make<TSetupSupporter>(this, "SetSup");
    SetSup->SetCompanyName(QStringLiteral("VARDO"));
    SetSup->SetCardNameA(QStringLiteral("ZX-4410"));
    SetSup->SetCardNameB(QStringLiteral("ZX-4420"));
    SetSup->SetCallHow(
        QStringLiteral("weekdays from 8 a.m. to 5 p.m. Central Time at (800) 555-0144"));
    SetSup->SetChangeButtons(true);
}

void TMainForm::FormCreate(TObject*)
{
    Application->OnIdle = std::bind_front(&TSetupSupporter::FirstIdle, SetSup);
}

void TMainForm::Howtousethisprogram1Click(TObject*)
{
    if (TForm* help = SetSup->HelpForm()) // built at the first idle moment
        help->SetVisible(true);
}

void TMainForm::TechnicalSupport1Click(TObject*)
{
    if (TForm* tech = SetSup->TechForm())
        tech->SetVisible(true);
}

void TMainForm::Exit2Click(TObject*)
{
    Close();
}

void TMainForm::EnableBoxChange(TObject*)
{
    // The list and the jumper hold the same choice; no selection changes nothing.
    switch (EnableBox->ItemIndex()) {
    case 0:
        EnableJumper->SetJumperState(jsRight);
        break;
    case 1:
        EnableJumper->SetJumperState(jsOpen);
        break;
    case 2:
        EnableJumper->SetJumperState(jsLeft);
        break;
    default:
        break;
    }
}

void TMainForm::EnableJumperClick(TObject*)
{
    switch (EnableJumper->JumperState()) {
    case jsOpen:
        EnableBox->SetItemIndex(1);
        break;
    case jsLeft:
        EnableBox->SetItemIndex(2);
        break;
    case jsRight:
        EnableBox->SetItemIndex(0);
        break;
    }
}

void TMainForm::EnablePanelEnter(TObject*)
{
    EnableBox->SetItemIndex(0);
}

void TMainForm::ConfigBoxChange(TObject*)
{
    ConnectPaint->Repaint();
}

void TMainForm::ConnectPanelEnter(TObject*)
{
    TWinControl* window = ConnectPanel->Parent();
    window->SetHeight(3 * window->Height() / 2);
}

void TMainForm::ConnectPaintPaint(TObject*)
{
    TCanvas& canvas = ConnectPaint->Canvas();
    const int h = std::abs(Div(canvas.Font().Height(), 2));
    GNDJumper->SetClosed(false); // the GND jumper is always shown removed

    // The card's two two-pin connectors, upper and lower.
    canvas.Brush().SetColor(0x000080);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetColor(clBlack);
    canvas.Rectangle(240, 32, 273, 48);
    canvas.Rectangle(240, 49, 273, 65);

    // The wires: the provided cable bends up and away, the reset button cable down and away.
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetColor(clWindowText);
    canvas.Pen().SetWidth(4);
    canvas.Arc(-248, 16, 248, 64, 240, 40, -1, 0);
    canvas.Arc(-265, 8, 265, 72, 240, 40, -1, 0);
    canvas.Arc(-248, 33, 248, 81, -1, 81, 240, 57);
    canvas.Arc(-265, 25, 265, 89, -1, 81, 240, 57);
    canvas.Pen().SetWidth(1);

    canvas.TextOut(0, 32 - h, QStringLiteral("Provided cable, to motherboard"));
    canvas.TextOut(0, 65 - h, QStringLiteral("Reset button cable"));
}
