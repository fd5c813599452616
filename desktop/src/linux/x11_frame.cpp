// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11_frame.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace desktop {
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a property; empty when the window does not have it.
std::vector<std::uint32_t> Values(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ANY, 0, 4096), nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The window manager's own window: the root names it, and it names itself.
bool WindowManagerRuns(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<std::uint32_t> named = Values(connection, root, check);
    return !named.empty() && Values(connection, named.front(), check) == named;
}

} // namespace

std::optional<QMargins> AskX11Frame(xcb_connection_t* connection, std::uint32_t window) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (!WindowManagerRuns(connection, root)) {
        return QMargins();
    }
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<std::uint32_t> supported = Values(connection, root, Atom(connection, "_NET_SUPPORTED"));
    if (std::find(supported.begin(), supported.end(), request) == supported.end()) {
        return std::nullopt;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The window manager answers in a few milliseconds, or, on a busy machine or while it is still
    // starting, when it is next scheduled. Waiting for it delays nothing the user sees, as the window
    // appears only once the same window manager has handled the show that follows. One that never
    // answers leaves the placing to the show.
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    do {
        const std::vector<std::uint32_t> frame = Values(connection, window, extents);
        if (frame.size() == 4) { // left, right, top, bottom
            return QMargins(static_cast<int>(frame[0]), static_cast<int>(frame[2]),
                            static_cast<int>(frame[1]), static_cast<int>(frame[3]));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

} // namespace desktop
