#include "vcl/Platform.h"
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <xcb/xcb.h>

namespace Platform {

bool IsOffscreen()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

namespace {
    // A compliant window manager names its check window on the root window.
    bool X11WindowManagerPresent()
    {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return false;
        const char name[] = "_NET_SUPPORTING_WM_CHECK";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
        if (!atom)
            return false;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_get_property_reply_t* property = xcb_get_property_reply(connection,
            xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const bool present = property && xcb_get_property_value_length(property) > 0;
        free(property);
        free(atom);
        return present;
    }
} // namespace

bool HasWindowManager()
{
    static const bool present = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("xcb"))
            return X11WindowManagerPresent();
        return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    }();
    return present;
}

void SubstituteMissingFonts()
{
    struct Substitute
    {
        const char* family;
        QStringList nearest;
    };
    const Substitute substitutes[] = {
        {"MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"}},
        {"Tahoma", {"DejaVu Sans Condensed", "DejaVu Sans", "Liberation Sans"}},
        {"Verdana", {"DejaVu Sans", "Liberation Sans"}},
    };
    const QStringList installed = QFontDatabase::families();
    for (const Substitute& substitute : substitutes) {
        if (installed.contains(QLatin1String(substitute.family), Qt::CaseInsensitive))
            continue;
        for (const QString& candidate : substitute.nearest) {
            if (installed.contains(candidate, Qt::CaseInsensitive)) {
                QFont::insertSubstitution(QLatin1String(substitute.family), candidate);
                break;
            }
        }
    }
}

} // namespace Platform
