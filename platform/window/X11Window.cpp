#include "platform/window/X11Window.h"

#include <QGuiApplication>
#include <QWindow>

#if POMURI_HAS_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

using namespace Qt::StringLiterals;

namespace platform::x11Window {

#if POMURI_HAS_XCB
namespace {

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const QByteArray &name)
{
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, name.size(), name.constData()), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

ReplyPointer<xcb_get_property_reply_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name)
{
    return {xcb_get_property_reply(connection,
                                   xcb_get_property(connection, false, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                                   nullptr),
            &std::free};
}

/// The root window of the screen DISPLAY names (":0.1" is the second), where Qt's windows are.
xcb_window_t defaultRoot(xcb_connection_t *connection)
{
    char *host = nullptr;
    int display = 0;
    int screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen))
        std::free(host);
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screen > 0 && roots.rem > 1; --screen)
        xcb_screen_next(&roots);
    return roots.data->root;
}

} // namespace
#endif

bool isX11()
{
    return QGuiApplication::platformName() == u"xcb"_s;
}

void addStatesBeforeMap(QWindow &window, const QByteArrayList &states)
{
#if POMURI_HAS_XCB
    xcb_connection_t *x = isX11() ? connection() : nullptr;
    if (!x)
        return;
    const xcb_window_t id = xcb_window_t(window.winId());
    const xcb_atom_t stateAtom = atom(x, "_NET_WM_STATE");
    QList<xcb_atom_t> atoms;
    if (const auto present = property(x, id, stateAtom); present && present->type == XCB_ATOM_ATOM) {
        const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(present.get()));
        atoms = QList<xcb_atom_t>(values, values + xcb_get_property_value_length(present.get()) / sizeof(xcb_atom_t));
    }
    for (const QByteArray &state : states) {
        const xcb_atom_t added = atom(x, state);
        if (!atoms.contains(added))
            atoms.append(added);
    }
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, stateAtom, XCB_ATOM_ATOM, 32, atoms.size(), atoms.constData());
    xcb_flush(x);
#else
    Q_UNUSED(window);
    Q_UNUSED(states);
#endif
}

void restateProperty(QWindow &window, const char *name)
{
#if POMURI_HAS_XCB
    xcb_connection_t *x = isX11() ? connection() : nullptr;
    if (!x)
        return;
    const xcb_window_t id = xcb_window_t(window.winId());
    const xcb_atom_t nameAtom = atom(x, name);
    const auto present = property(x, id, nameAtom);
    if (!present || present->type == XCB_ATOM_NONE)
        return;
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, nameAtom, present->type, present->format,
                        xcb_get_property_value_length(present.get()) / (present->format / 8),
                        xcb_get_property_value(present.get()));
    xcb_flush(x);
#else
    Q_UNUSED(window);
    Q_UNUSED(name);
#endif
}

QByteArray windowManagerName()
{
#if POMURI_HAS_XCB
    xcb_connection_t *x = isX11() ? connection() : nullptr;
    if (!x)
        return {};
    // The window manager names itself on a window of its own, which the root window points at.
    const auto check = property(x, defaultRoot(x), atom(x, "_NET_SUPPORTING_WM_CHECK"));
    if (!check || check->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(check.get()) != sizeof(xcb_window_t))
        return {};
    const auto name = property(x, *static_cast<const xcb_window_t *>(xcb_get_property_value(check.get())),
                               atom(x, "_NET_WM_NAME"));
    return name ? QByteArray(static_cast<const char *>(xcb_get_property_value(name.get())),
                             xcb_get_property_value_length(name.get()))
                : QByteArray();
#else
    return {};
#endif
}

} // namespace platform::x11Window
