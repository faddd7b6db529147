#pragma once

#include <cstdint>

struct org_kde_kwin_keystate;
class WaylandConnection;

// The lock keys' state of KWin's keyboard (org_kde_kwin_keystate). Fake input types
// through that state, so Caps Lock applies to what we type.
class KeyState {
public:
    explicit KeyState(WaylandConnection& connection);
    ~KeyState();
    KeyState(const KeyState&) = delete;
    KeyState& operator=(const KeyState&) = delete;

    bool available() const { return keystate_ != nullptr; }
    // Asks KWin again and waits for the answer.
    bool capsLockOn();

    void setState(std::uint32_t key, std::uint32_t state);

private:
    WaylandConnection& connection_;
    org_kde_kwin_keystate* keystate_ = nullptr;
    bool capsLock_ = false;
};
