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
class TSetupSupporter;
class TThreeJumper;
class TTwoJumper;

class TMainForm : public TForm
{
    VCL_CLASS(TMainForm, TForm)
public:
    explicit TMainForm(TComponent* owner);

    TBoardImage* BoardImage1;
    TBoardHighlight* ConnectHighlight;
    TBoardHighlight* EnableHighlight;
    TRadioPanel* EnablePanel;
    TThreeJumper* EnableJumper;
    TLabel* Label13;
    TLabel* Label14;
    TComboBox* EnableBox;
    TRadioPanel* ConnectPanel;
    TTwoJumper* GNDJumper;
    TLabel* Label1;
    TPaintBox* ConnectPaint;
    TComboBox* ConfigBox;
    TMainMenu* MainMenu1;
    TMenuItem* File1;
    TMenuItem* Exit2;
    TMenuItem* Help1;
    TMenuItem* Howtousethisprogram1;
    TMenuItem* TechnicalSupport1;
    TSetupSupporter* SetSup;

    void FormCreate(TObject* Sender);
    void Exit2Click(TObject* Sender);
    void Howtousethisprogram1Click(TObject* Sender);
    void TechnicalSupport1Click(TObject* Sender);
    void EnableBoxChange(TObject* Sender);
    void EnableJumperClick(TObject* Sender);
    void EnablePanelEnter(TObject* Sender);
    void ConfigBoxChange(TObject* Sender);
    void ConnectPaintPaint(TObject* Sender);
    void ConnectPanelEnter(TObject* Sender);

    // Reads the board photograph as the window definition holds it. A picture that cannot be
    // read leaves the board image empty and is reported once the program runs.
    static void LoadBoardPicture(TBoardImage* image, const QByteArray& definition);

private:
    void CreateBoardImage();
    void CreateEnablePanel();
    void CreateConnectPanel();
    void CreateMainMenu();
    void CreateSetupSupporter();
};
