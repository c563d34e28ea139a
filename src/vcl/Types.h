#pragma once
// Basic value types of the component layer: strings, colours, rectangles, events, messages.

#include <QString>
#include <cstdint>
#include <functional>

using String = QString;

class TObject;
class QColor;

// Colours are 0x00BBGGRR; a value with the top bit set names a system colour.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGray = 0x808080;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clBtnText = 0x80000012;

// Resolves system colours to their RGB value (0x00BBGGRR).
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);

// A box (Left, Top, Right, Bottom) covers columns Left..Right-1 and rows Top..Bottom-1.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const TRect&) const = default;
};

struct TPoint
{
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

inline TRect Rect(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom};
}
inline TRect Bounds(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Window and component messages; a control answers them in WndProc.
struct TMessage
{
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
constexpr unsigned CM_ENTER = CM_BASE + 27;
constexpr unsigned CM_EXIT = CM_BASE + 28;

constexpr int WA_INACTIVE = 0;
constexpr int WA_ACTIVE = 1;
constexpr int WA_CLICKACTIVE = 2;

// Rounds to the nearest integer, an exact half to the even neighbour.
int RoundHalfEven(double value);

// Integer division truncating toward zero, as the controls are described with.
constexpr int Div(int a, int b)
{
    return a / b;
}
