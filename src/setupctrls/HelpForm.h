#pragma once
// The help window: a heading, the help document and the Start button that begins the tour.

#include "vcl/Form.h"
#include <QByteArray>

class TButton;
class TLabel;
class TRichEdit;

// How much the help window grows on a screen larger than 800 x 450: the smaller of the two
// ratios, never below 1.
double ScreenScale(int screenWidth, int screenHeight);

class THelpForm : public TForm
{
    VCL_CLASS(THelpForm, TForm)
public:
    // Builds the window around the help document (RTF) and scales its client area by
    // screenScale.
    THelpForm(TComponent* owner, const QByteArray& helpDocument, double screenScale);

    TLabel* HelpLabel() const { return helpLabel_; }
    TRichEdit* HelpRich() const { return helpRich_; }
    TButton* StartButton() const { return startButton_; }

    // Hides the window, then starts the guided tour at the first board image of the main
    // window, if it has one.
    void StartButtonClick(TObject* Sender);

private:
    void CreateHelpLabel();
    void CreateHelpRich(const QByteArray& helpDocument);
    void CreateStartButton();
    void Arrange();
    void ScaleClientArea(double scale);

    TLabel* helpLabel_ = nullptr;
    TRichEdit* helpRich_ = nullptr;
    TButton* startButton_ = nullptr;
};
