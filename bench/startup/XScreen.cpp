#include "XScreen.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {
// xcb replies are malloc'ed.
template<class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template<class T> Reply<T> Own(T* reply)
{
    return Reply<T>(reply, &std::free);
}

std::string PropertyText(xcb_connection_t* connection, xcb_get_property_cookie_t cookie)
{
    auto reply = Own(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
        std::size_t(xcb_get_property_value_length(reply.get())));
}
} // namespace

XScreen::XScreen()
{
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot connect to the X server named by DISPLAY");
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    screen_ = screens.data;
    netWmName_ = Atom("_NET_WM_NAME");
    utf8String_ = Atom("UTF8_STRING");
    wmProtocols_ = Atom("WM_PROTOCOLS");
    wmDeleteWindow_ = Atom("WM_DELETE_WINDOW");
}

XScreen::~XScreen()
{
    xcb_disconnect(connection_);
}

xcb_atom_t XScreen::Atom(const char* name)
{
    auto reply = Own(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Rect XScreen::Bounds() const
{
    return {0, 0, screen_->width_in_pixels, screen_->height_in_pixels};
}

std::string XScreen::Caption(xcb_get_property_cookie_t netName, xcb_get_property_cookie_t name)
{
    std::string caption = PropertyText(connection_, netName);
    std::string legacy = PropertyText(connection_, name);
    return caption.empty() ? legacy : caption;
}

std::optional<xcb_window_t> XScreen::FindShownWindow(const std::string& caption)
{
    auto tree = Own(
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, screen_->root), nullptr));
    if (!tree)
        return std::nullopt;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    // All requests first, then the replies: one round trip for the whole list.
    struct Asked
    {
        xcb_get_window_attributes_cookie_t attributes;
        xcb_get_property_cookie_t netName, name;
    };
    std::vector<Asked> asked;
    for (int i = 0; i < count; ++i)
        asked.push_back({xcb_get_window_attributes(connection_, children[i]),
            xcb_get_property(connection_, 0, children[i], netWmName_, utf8String_, 0, 256),
            xcb_get_property(
                connection_, 0, children[i], XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 0, 256)});
    std::optional<xcb_window_t> found;
    for (int i = 0; i < count; ++i) { // bottom to top: the last match is the topmost
        auto attributes
            = Own(xcb_get_window_attributes_reply(connection_, asked[i].attributes, nullptr));
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        if (Caption(asked[i].netName, asked[i].name) == caption && viewable)
            found = children[i];
    }
    return found;
}

std::optional<Rect> XScreen::Geometry(xcb_window_t window)
{
    const auto geometryCookie = xcb_get_geometry(connection_, window);
    const auto originCookie = xcb_translate_coordinates(connection_, window, screen_->root, 0, 0);
    auto geometry = Own(xcb_get_geometry_reply(connection_, geometryCookie, nullptr));
    auto origin = Own(xcb_translate_coordinates_reply(connection_, originCookie, nullptr));
    if (!geometry || !origin)
        return std::nullopt;
    return Rect {origin->dst_x, origin->dst_y, geometry->width, geometry->height};
}

Pixels XScreen::Grab(const Rect& area)
{
    const Rect screen = Bounds();
    const int left = std::max(area.x, 0), top = std::max(area.y, 0);
    const int right = std::min(area.x + area.width, screen.width);
    const int bottom = std::min(area.y + area.height, screen.height);
    if (right <= left || bottom <= top)
        return {};
    auto image = Own(xcb_get_image_reply(connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root, int16_t(left),
            int16_t(top), uint16_t(right - left), uint16_t(bottom - top), ~0u),
        nullptr));
    if (!image || image->depth != 24)
        throw std::runtime_error("the screen must be 24 bits deep");
    Pixels pixels {right - left, bottom - top, {}};
    const auto* bytes = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
    pixels.data.assign(bytes, bytes + std::size_t(pixels.width) * std::size_t(pixels.height));
    for (std::uint32_t& pixel : pixels.data)
        pixel &= 0xFFFFFFu;
    return pixels;
}

void XScreen::MovePointer(int x, int y)
{
    xcb_warp_pointer(connection_, XCB_NONE, screen_->root, 0, 0, 0, 0, int16_t(x), int16_t(y));
    // A reply to anything later means the server has moved the pointer.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

void XScreen::AskToClose(xcb_window_t window)
{
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = wmProtocols_;
    message.data.data32[0] = wmDeleteWindow_;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(
        connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}
