#include "ui/WindowFrame.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace corvanel::ui {

namespace {

// A window manager answers within a few milliseconds; a window shown a little off centre is
// better than a start held up.
constexpr auto kAnswerTimeout = std::chrono::milliseconds(250);
constexpr auto kPollInterval = std::chrono::microseconds(500);

template<typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply> ReplyPointer<Reply> owned(Reply* reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

/** The 32-bit values of @p window's @p property, or an empty reply. */
ReplyPointer<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                                                xcb_atom_t type)
{
    return owned(xcb_get_property_reply(connection,
                                        xcb_get_property(connection, false, window, property, type, 0, 1024), nullptr));
}

} // namespace

QMargins frameAnnouncedByWindowManager(const QWidget& window)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window.testAttribute(Qt::WA_WState_Created)) {
        return {};
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;

    // The three names in one round trip.
    const char* names[] = {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"};
    xcb_intern_atom_cookie_t cookies[3];
    for (int i = 0; i < 3; ++i) {
        cookies[i] = xcb_intern_atom(connection, false, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    }
    xcb_atom_t atoms[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto reply = owned(xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t {XCB_ATOM_NONE};
    }
    const auto [supportedAtom, requestAtom, extentsAtom] = atoms;

    // Only a window manager that says it answers is asked.
    const auto supported = property(connection, root, supportedAtom, XCB_ATOM_ATOM);
    const auto* offered = supported ? static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get())) : nullptr;
    const int offeredCount = supported ? xcb_get_property_value_length(supported.get()) / 4 : 0;
    if (!offered || std::find(offered, offered + offeredCount, requestAtom) == offered + offeredCount) {
        return {};
    }

    xcb_client_message_event_t request {};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = requestAtom;
    xcb_send_event(connection, false, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);

    // The answer is a property on the window: left, right, top, bottom.
    const auto deadline = std::chrono::steady_clock::now() + kAnswerTimeout;
    do {
        const auto extents = property(connection, id, extentsAtom, XCB_ATOM_CARDINAL);
        if (extents && xcb_get_property_value_length(extents.get()) == 16) {
            const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(extents.get()));
            return {static_cast<int>(sides[0]), static_cast<int>(sides[2]), static_cast<int>(sides[1]),
                    static_cast<int>(sides[3])};
        }
        std::this_thread::sleep_for(kPollInterval);
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

} // namespace corvanel::ui
