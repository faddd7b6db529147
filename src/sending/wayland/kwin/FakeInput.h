#pragma once

#include <chrono>
#include <cstdint>

struct org_kde_kwin_fake_input;
class WaylandConnection;

// KWin's fake input: key codes go through KWin's own keyboard state and keymap, as if
// pressed on the user's keyboard.
class FakeInput {
public:
    explicit FakeInput(WaylandConnection& connection);
    ~FakeInput();
    FakeInput(const FakeInput&) = delete;
    FakeInput& operator=(const FakeInput&) = delete;

    void key(std::uint32_t evdev, bool down);
    // How long we stay connected after the last key when destroyed.
    static constexpr std::chrono::milliseconds kLinger{300};

private:
    WaylandConnection& connection_;
    org_kde_kwin_fake_input* input_ = nullptr;
    std::chrono::steady_clock::time_point lastKey_{};
};
