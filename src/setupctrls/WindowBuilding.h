#pragma once
// Pieces shared by the setup supporter's windows, which are built in code.

#include "vcl/Types.h"

class TButton;
class TCustomForm;
class TMemo;

// Moves the window's visible child controls so that their bounding box starts at the client
// origin and makes the client area the size of that box. Done once: later changes of the
// children do not resize the window.
void FitToControls(TCustomForm& window);

// A read-only text box with a vertical scroll bar at 8, 8, 305 x 89.
TMemo* CreateReadOnlyMemo(TCustomForm& window, const String& name);

constexpr int CloseButtonWidth = 73;

// The "Close" button at Left, Top 105, 73 x 25: the cancel button (Escape), first in tab order.
TButton* CreateCloseButton(TCustomForm& window, int left);
