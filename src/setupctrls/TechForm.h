#pragma once
// The technical-support window: how to reach the maker's support.

#include "vcl/Form.h"

class TButton;
class TMemo;

class TTechForm : public TForm
{
    VCL_CLASS(TTechForm, TForm)
public:
    TTechForm(TComponent* owner, const String& supportText);

    TMemo* TechMemo() const { return techMemo_; }
    TButton* CloseButton() const { return closeButton_; }

private:
    TMemo* techMemo_;
    TButton* closeButton_;
};
