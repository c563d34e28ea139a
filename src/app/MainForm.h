#pragma once
// The main window of the ZX-4410 settings program: the card photograph with its markers, the
// two topic panels, the menu bar and the setup supporter.

#include "vcl/Form.h"

class QByteArray;
class TBoardHighlight;
class TBoardImage;
class TComboBox;
class TLabel;
class TMainMenu;
class TMenuItem;
class TPaintBox;
class TRadioPanel;

class TMainForm : public TForm
{
    VCL_CLASS(TMainForm, TForm)
public:
    explicit TMainForm(TComponent* owner);

    TBoardImage* BoardImage1;
    TBoardHighlight* ConnectHighlight;
    TBoardHighlight* EnableHighlight;
    TRadioPanel* EnablePanel;
    TLabel* Label13;
    TLabel* Label14;
    TComboBox* EnableBox;
    TRadioPanel* ConnectPanel;
    TLabel* Label1;
    TPaintBox* ConnectPaint;
    TComboBox* ConfigBox;
    TMainMenu* MainMenu1;
    TMenuItem* File1;
    TMenuItem* Exit2;
    TMenuItem* Help1;
    TMenuItem* Howtousethisprogram1;
    TMenuItem* TechnicalSupport1;

    void Exit2Click(TObject* Sender);

    // Reads the board photograph as the window definition holds it. A picture that cannot be
    // read leaves the board image empty and is reported once the program runs.
    static void LoadBoardPicture(TBoardImage* image, const QByteArray& definition);

private:
    void CreateBoardImage();
    void CreateEnablePanel();
    void CreateConnectPanel();
    void CreateMainMenu();
};
