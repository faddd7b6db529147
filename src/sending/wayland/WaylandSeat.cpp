#include "sending/wayland/WaylandSeat.h"

#include "sending/wayland/WaylandConnection.h"

#include <wayland-client.h>

#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace {

void onCapabilities(void* data, wl_seat*, std::uint32_t capabilities) {
    static_cast<WaylandSeat*>(data)->setCapabilities(capabilities);
}

void onName(void*, wl_seat*, const char*) {}

const wl_seat_listener kSeatListener{onCapabilities, onName};

void onKeymap(void* data, wl_keyboard*, std::uint32_t format, int fd, std::uint32_t size) {
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        static_cast<WaylandSeat*>(data)->setKeymap(fd, size);
    }
    close(fd);
}

void onEnter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
void onLeave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
void onKey(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}

void onModifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t,
                 std::uint32_t, std::uint32_t group) {
    static_cast<WaylandSeat*>(data)->setGroup(group);
}

void onRepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

const wl_keyboard_listener kKeyboardListener{onKeymap, onEnter,     onLeave,
                                             onKey,    onModifiers, onRepeatInfo};

} // namespace

WaylandSeat::WaylandSeat(WaylandConnection& connection) {
    seat_ = static_cast<wl_seat*>(connection.bind(&wl_seat_interface, 5));
    if (seat_ == nullptr) {
        throw std::runtime_error("the Wayland compositor has no seat");
    }
    wl_seat_add_listener(seat_, &kSeatListener, this);
    connection.roundtrip();
}

WaylandSeat::~WaylandSeat() {
    if (keyboard_ != nullptr) {
        wl_keyboard_release(keyboard_);
    }
    wl_seat_release(seat_);
}

void WaylandSeat::listenToKeyboard() {
    if (keyboard_ == nullptr && hasKeyboard_) {
        keyboard_ = wl_seat_get_keyboard(seat_);
        wl_keyboard_add_listener(keyboard_, &kKeyboardListener, this);
    }
}

void WaylandSeat::setCapabilities(std::uint32_t capabilities) {
    hasKeyboard_ = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
}

void WaylandSeat::setKeymap(int fd, std::uint32_t size) {
    void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map == MAP_FAILED) {
        return;
    }
    // The size counts the terminating NUL.
    keymap_.assign(static_cast<const char*>(map), size > 0 ? size - 1 : 0);
    munmap(map, size);
    ++keymapSerial_;
}
