#pragma once

#include <cstdint>
#include <string>

struct wl_seat;
struct wl_keyboard;
class WaylandConnection;

// The compositor's first seat: whether it has a keyboard, and (when asked for) the keymap
// and group that the compositor gives its clients' keyboards, which on KWin is the user's
// layout.
class WaylandSeat {
public:
    // Throws std::runtime_error when the compositor has no seat.
    explicit WaylandSeat(WaylandConnection& connection);
    ~WaylandSeat();
    WaylandSeat(const WaylandSeat&) = delete;
    WaylandSeat& operator=(const WaylandSeat&) = delete;

    wl_seat* raw() const { return seat_; }
    bool hasKeyboard() const { return hasKeyboard_; }

    // Starts listening as a keyboard client; keymap() is filled once the compositor sent it
    // (after a roundtrip), and again on every change, each time with a new serial.
    void listenToKeyboard();
    const std::string& keymap() const { return keymap_; }
    std::uint32_t keymapSerial() const { return keymapSerial_; }
    std::uint32_t group() const { return group_; }

    // Listener plumbing.
    void setCapabilities(std::uint32_t capabilities);
    void setKeymap(int fd, std::uint32_t size);
    void setGroup(std::uint32_t group) { group_ = group; }

private:
    wl_seat* seat_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    bool hasKeyboard_ = false;
    std::string keymap_;
    std::uint32_t keymapSerial_ = 0;
    std::uint32_t group_ = 0;
};
