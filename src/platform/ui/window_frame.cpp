#include "platform/ui/window_frame.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace ui {

namespace {

// A window manager answers a request for frame extents within a millisecond or so; one that
// is too busy to answer within this bound is taken to frame nothing.
constexpr auto kFrameAnswerLimit = std::chrono::seconds(2);

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// Asks until `answered` holds or the window manager has had its time; says which.
template <typename Answered>
bool ask_until(Answered answered) {
    const auto deadline = std::chrono::steady_clock::now() + kFrameAnswerLimit;
    while (!answered()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

class X11 final {
public:
    X11(xcb_connection_t* connection, xcb_window_t window)
        : connection_(connection),
          window_(window),
          root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root) {}

    xcb_atom_t atom(const char* name) const {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr));
        return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    std::vector<std::uint32_t> property(xcb_window_t window, xcb_atom_t name,
                                        xcb_atom_t type) const {
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, name, type, 0, 4096), nullptr));
        if (reply == nullptr || reply->format != 32) {
            return {};
        }
        const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
        return {values, values + xcb_get_property_value_length(reply.get()) / 4};
    }

    // A window manager runs when the root names a check window that names itself.
    bool window_manager_supports(const char* name) const {
        const xcb_atom_t check_atom = atom("_NET_SUPPORTING_WM_CHECK");
        const auto check = property(root_, check_atom, XCB_ATOM_WINDOW);
        if (check.empty() || property(check[0], check_atom, XCB_ATOM_WINDOW) != check) {
            return false;
        }
        const auto supported = property(root_, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM);
        const xcb_atom_t wanted = atom(name);
        return std::find(supported.begin(), supported.end(), wanted) != supported.end();
    }

    // Moving only: a window manager that honours it offers neither maximise, minimise nor
    // close, and draws a title bar and a border.
    void allow_moving_only() const {
        enum : std::uint32_t {
            kFunctions = 1,
            kDecorations = 2,
            kMove = 4,
            kBorder = 2,
            kTitle = 8
        };
        const std::uint32_t hints[5] = {kFunctions | kDecorations, kMove, kBorder | kTitle, 0, 0};
        const xcb_atom_t motif = atom("_MOTIF_WM_HINTS");
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_, motif, motif, 32, 5,
                            hints);
    }

    QMargins requested_frame_extents() const {
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window_;
        request.type = atom("_NET_REQUEST_FRAME_EXTENTS");
        xcb_send_event(connection_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(connection_);
        const xcb_atom_t extents_atom = atom("_NET_FRAME_EXTENTS");
        std::vector<std::uint32_t> extents;  // left, right, top, bottom
        if (!ask_until([&] {
                extents = property(window_, extents_atom, XCB_ATOM_CARDINAL);
                return extents.size() == 4;
            })) {
            return {};
        }
        return {static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                static_cast<int>(extents[1]), static_cast<int>(extents[3])};
    }

    // The window that holds this one: the window manager's frame, or the root.
    xcb_window_t parent() const {
        const Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window_), nullptr));
        return tree != nullptr ? tree->parent : root_;
    }

    // A window hidden while framed is the window manager's until it gives it back to the
    // root: shown again before, it would stand unmanaged, without a frame.
    void wait_until_released() const {
        ask_until([this] { return parent() == root_; });
    }

    // Once the window manager has put the window into a frame other than `old_frame`, asks
    // for the client's place again.
    void place_once_framed_anew(QPoint client, xcb_window_t old_frame) const {
        ask_until([&] {
            const xcb_window_t frame = parent();
            return frame != root_ && frame != old_frame;
        });
        place_at(client);
    }

    void place_at(QPoint client) const {
        const std::uint32_t place[2] = {static_cast<std::uint32_t>(client.x()),
                                        static_cast<std::uint32_t>(client.y())};
        xcb_configure_window(connection_, window_, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                             place);
        xcb_flush(connection_);
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t window_;
    xcb_window_t root_;
};

// The X server that shows `window`; none off X11, where the offscreen platform answers too,
// with no connection.
std::optional<X11> server_of(QWidget& window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    return X11(x11->connection(), static_cast<xcb_window_t>(window.winId()));
}

}  // namespace

QMargins prepare_frame(QWidget& window) {
    const auto server = server_of(window);
    // Off X11 the platform draws any frame itself, and knows it once the window exists.
    if (!server) {
        window.winId();
        return window.windowHandle()->frameMargins() * window.devicePixelRatioF();
    }
    server->allow_moving_only();
    if (!server->window_manager_supports("_NET_REQUEST_FRAME_EXTENTS")) {
        return {};
    }
    return server->requested_frame_extents();
}

unsigned current_frame(QWidget& window) {
    const auto server = server_of(window);
    return server ? server->parent() : 0;
}

void wait_until_released(QWidget& window) {
    if (const auto server = server_of(window)) {
        server->wait_until_released();
    }
}

void place_again_once_framed_anew(QWidget& window, QPoint client, unsigned old_frame) {
    if (const auto server = server_of(window)) {
        server->place_once_framed_anew(client, old_frame);
    }
}

void place_exactly(QWidget& window, QPoint client) {
    window.setGeometry(QRect(client / window.devicePixelRatioF(), window.size()));
    if (window.devicePixelRatioF() == 1.0) {
        return;
    }
    // The toolkit's pixels are coarser than the screen's: the screen's nearest pixel is asked
    // for directly, and the toolkit learns it back from the server.
    if (const auto server = server_of(window)) {
        server->place_at(client);
    }
}

}  // namespace ui
