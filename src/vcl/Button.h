#pragma once
// A push button; the default button answers Enter and the cancel button Escape.

#include "vcl/WinControl.h"

class QPushButton;

class TButton : public TWinControl
{
    VCL_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }

    void WndProc(TMessage& message) override;

protected:
    void CaptionChanged() override;

private:
    QPushButton* Button() const;

    bool default_ = false;
    bool cancel_ = false;
};
