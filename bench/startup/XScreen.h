// The few things the measuring tools ask of the X server, over one xcb connection: find a
// shown top-level window by its caption, where it is, what the screen shows, and moving the
// pointer as a person's mouse does.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <xcb/xcb.h>

struct Rect
{
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// Screen pixels as 0xRRGGBB.
struct Pixels
{
    int width = 0, height = 0;
    std::vector<std::uint32_t> data;
    std::uint32_t At(int x, int y) const
    {
        return data[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
    bool operator==(const Pixels&) const = default;
};

class XScreen
{
public:
    XScreen(); // connects to $DISPLAY; throws std::runtime_error when it cannot
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    Rect Bounds() const;
    // The topmost viewable child of the root window with this caption, or none.
    std::optional<xcb_window_t> FindShownWindow(const std::string& caption);
    // In root coordinates; none once the window is gone.
    std::optional<Rect> Geometry(xcb_window_t window);
    // What the screen shows in the area, clipped to the screen.
    Pixels Grab(const Rect& area);
    // Moves the pointer and waits until the server has done it; the window under it gets its
    // motion and crossing events as from a mouse.
    void MovePointer(int x, int y);
    // Asks the window's owner to close it, as its title bar's close button does.
    void AskToClose(xcb_window_t window);

private:
    xcb_atom_t Atom(const char* name);
    std::string Caption(xcb_get_property_cookie_t netName, xcb_get_property_cookie_t name);

    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
    xcb_atom_t netWmName_ = 0, utf8String_ = 0, wmProtocols_ = 0, wmDeleteWindow_ = 0;
};
