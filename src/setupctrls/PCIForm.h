#pragma once
// The card-list window: one line for each installed card of the maker.

#include "vcl/Form.h"

class TButton;
class TMemo;

class TPCIForm : public TForm
{
    VCL_CLASS(TPCIForm, TForm)
public:
    TPCIForm(TComponent* owner, const String& cardName);

    TMemo* PCIMemo() const { return pciMemo_; }
    TButton* CloseButton() const { return closeButton_; }

private:
    TMemo* pciMemo_;
    TButton* closeButton_;
};
