#pragma once
// A form that writes the layer's activation and pointer messages it receives into a log.

#include "vcl/Form.h"
#include <vector>

namespace VclTesting {

using Log = std::vector<String>;

class LoggingForm : public TForm
{
    VCL_CLASS(LoggingForm, TForm)
public:
    LoggingForm(Log& log, const char* name) : TForm(nullptr), log_(log)
    {
        SetName(QString::fromLatin1(name));
        SetCaption(Name());
    }
    // Stands where bounds says.
    void Place(TRect bounds)
    {
        SetPosition(poDesigned);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_ACTIVATE)
            log_.push_back(Name() + (message.WParam == WA_INACTIVE ? " inactive" : " active"));
        if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE)
            log_.push_back(Name() + (message.Msg == CM_MOUSEENTER ? " enter" : " leave"));
        TForm::WndProc(message);
    }

private:
    Log& log_;
};

} // namespace VclTesting
