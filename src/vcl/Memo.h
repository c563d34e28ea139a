#pragma once
// A multi-line text box.

#include "vcl/Strings.h"
#include "vcl/WinControl.h"
#include <memory>

class QAbstractScrollArea;
class QPlainTextEdit;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Shows the scroll bars the style names, always, and hides the others.
void ApplyScrollStyle(QAbstractScrollArea& view, TScrollStyle value);

class TMemo : public TWinControl
{
    VCL_CLASS(TMemo, TWinControl)
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TStrings& Lines() { return *lines_; }
    String Text() const;
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    void SetScrollBars(TScrollStyle value);
    void SetWordWrap(bool value);

    QPlainTextEdit* Editor() const;

protected:
    void ApplyColor() override;

private:
    std::unique_ptr<TStrings> lines_;
};
