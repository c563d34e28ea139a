#pragma once
// A drop-down list. OnChange fires only when the user picks an item, never for code.

#include "vcl/Strings.h"
#include "vcl/WinControl.h"
#include <memory>

class QComboBox;

enum TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TWinControl
{
    VCL_CLASS(TComboBox, TWinControl)
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TStrings& Items() { return *items_; }
    // -1 when no item is selected.
    int ItemIndex() const;
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value) { itemHeight_ = value; }

    TNotifyEvent OnChange;

    QComboBox* Combo() const;

private:
    std::unique_ptr<TStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    int itemHeight_ = 13;
};
