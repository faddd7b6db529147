#include "sending/wayland/wlroots/VirtualKeyboard.h"

#include "sending/wayland/WaylandConnection.h"
#include "sending/wayland/WaylandSeat.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>

namespace {

// The keymap as xkbcommon resolves it, so that the compositor needs no include files.
std::string compiledKeymap(const std::string& source) {
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref);
    if (!context) {
        throw std::runtime_error("no xkb context");
    }
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_keymap_new_from_string(context.get(), source.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                   XKB_KEYMAP_COMPILE_NO_FLAGS),
        xkb_keymap_unref);
    if (!keymap) {
        throw std::runtime_error("our keymap does not compile");
    }
    std::unique_ptr<char, decltype(&std::free)> text(
        xkb_keymap_get_as_string(keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1), std::free);
    return text.get();
}

} // namespace

VirtualKeyboard::VirtualKeyboard(WaylandConnection& connection, WaylandSeat& seat)
    : connection_(connection) {
    manager_ = static_cast<zwp_virtual_keyboard_manager_v1*>(
        connection.bind(&zwp_virtual_keyboard_manager_v1_interface, 1));
    if (manager_ == nullptr) {
        throw std::runtime_error("no zwp_virtual_keyboard_manager_v1");
    }
    keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager_, seat.raw());
    setKeymap(OwnKeymap{});
}

VirtualKeyboard::~VirtualKeyboard() {
    if (lastKey_ != std::chrono::steady_clock::time_point{}) {
        try {
            connection_.roundtrip();
        } catch (const std::runtime_error&) {
            // Gone already: nothing is on its way.
        }
        std::this_thread::sleep_until(lastKey_ + kLinger);
    }
    zwp_virtual_keyboard_v1_destroy(keyboard_);
    zwp_virtual_keyboard_manager_v1_destroy(manager_);
    wl_display_flush(connection_.raw());
}

std::uint32_t VirtualKeyboard::now() const {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - start_)
                                          .count());
}

void VirtualKeyboard::setKeymap(const OwnKeymap& keymap) {
    const std::string text = compiledKeymap(keymap.source());
    const int fd = memfd_create("quipsender-keymap", MFD_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("memfd_create failed");
    }
    const std::size_t size = text.size() + 1;
    if (write(fd, text.c_str(), size) != static_cast<ssize_t>(size)) {
        close(fd);
        throw std::runtime_error("writing the keymap failed");
    }
    zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<std::uint32_t>(size));
    close(fd);
    keymap_ = keymap;
    // A new keymap starts with no modifiers; say what is held.
    zwp_virtual_keyboard_v1_modifiers(keyboard_, depressed_, 0, 0, 0);
    connection_.flush();
}

void VirtualKeyboard::key(std::uint32_t evdev, bool down) {
    zwp_virtual_keyboard_v1_key(keyboard_, now(), evdev,
                                down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                     : WL_KEYBOARD_KEY_STATE_RELEASED);
    lastKey_ = std::chrono::steady_clock::now();
}

void VirtualKeyboard::setModifiers(std::uint32_t depressed) {
    if (depressed != depressed_) {
        depressed_ = depressed;
        zwp_virtual_keyboard_v1_modifiers(keyboard_, depressed_, 0, 0, 0);
    }
}

std::uint32_t VirtualKeyboard::levelModifiers(unsigned level) {
    return ((level & 1) != 0 ? kShift : 0) | ((level & 2) != 0 ? kLevelThree : 0) |
           ((level & 4) != 0 ? kLevelFive : 0);
}
