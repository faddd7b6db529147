#include "sending/wayland/kwin/FakeInput.h"

#include "fake-input-client-protocol.h"
#include "sending/wayland/WaylandConnection.h"

#include <wayland-client.h>

#include <stdexcept>
#include <thread>

FakeInput::FakeInput(WaylandConnection& connection) : connection_(connection) {
    input_ = static_cast<org_kde_kwin_fake_input*>(
        connection.bind(&org_kde_kwin_fake_input_interface, 4));
    if (input_ == nullptr || connection.versionOf("org_kde_kwin_fake_input") < 4) {
        throw std::runtime_error("no org_kde_kwin_fake_input with keyboard keys (version 4)");
    }
    // KWin checks the desktop file, not this text; older versions asked the user with it.
    org_kde_kwin_fake_input_authenticate(input_, "Quipsender", "Chat-Texte senden");
}

FakeInput::~FakeInput() {
    // XWayland lost the last key of a send when we went at once.
    if (lastKey_ != std::chrono::steady_clock::time_point{}) {
        try {
            connection_.roundtrip();
        } catch (const std::runtime_error&) {
            // Gone already: nothing is on its way.
        }
        std::this_thread::sleep_until(lastKey_ + kLinger);
    }
    org_kde_kwin_fake_input_destroy(input_);
    wl_display_flush(connection_.raw());
}

void FakeInput::key(std::uint32_t evdev, bool down) {
    org_kde_kwin_fake_input_keyboard_key(
        input_, evdev, down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    lastKey_ = std::chrono::steady_clock::now();
}
