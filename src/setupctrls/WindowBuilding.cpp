#include "setupctrls/WindowBuilding.h"
#include "vcl/Button.h"
#include "vcl/Form.h"
#include "vcl/Memo.h"
#include <algorithm>
#include <limits>

void FitToControls(TCustomForm& window)
{
    TRect box {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
        std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    bool any = false;
    for (int i = 0; i < window.ControlCount(); ++i) {
        const TControl* child = window.Controls(i);
        if (!child->Visible())
            continue;
        any = true;
        box.Left = std::min(box.Left, child->Left());
        box.Top = std::min(box.Top, child->Top());
        box.Right = std::max(box.Right, child->Left() + child->Width());
        box.Bottom = std::max(box.Bottom, child->Top() + child->Height());
    }
    if (!any)
        return;
    for (int i = 0; i < window.ControlCount(); ++i) {
        TControl* child = window.Controls(i);
        child->SetBounds(
            child->Left() - box.Left, child->Top() - box.Top, child->Width(), child->Height());
    }
    window.SetClientWidth(box.Width());
    window.SetClientHeight(box.Height());
}

TMemo* CreateReadOnlyMemo(TCustomForm& window, const String& name)
{
    auto* memo = new TMemo(&window);
    memo->SetName(name);
    memo->SetParent(&window);
    memo->SetBounds(8, 8, 305, 89);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    return memo;
}

TButton* CreateCloseButton(TCustomForm& window, int left)
{
    auto* button = new TButton(&window);
    button->SetName(QStringLiteral("CloseButton"));
    button->SetParent(&window);
    button->SetCaption(QStringLiteral("Close"));
    button->SetBounds(left, 105, CloseButtonWidth, 25);
    button->SetCancel(true);
    button->SetTabOrder(0);
    return button;
}
