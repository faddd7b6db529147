#include "sending/wayland/kwin/KeyState.h"

#include "keystate-client-protocol.h"
#include "sending/wayland/WaylandConnection.h"

#include <wayland-client.h>

namespace {

void onStateChanged(void* data, org_kde_kwin_keystate*, std::uint32_t key, std::uint32_t state) {
    static_cast<KeyState*>(data)->setState(key, state);
}

const org_kde_kwin_keystate_listener kListener{onStateChanged};

} // namespace

KeyState::KeyState(WaylandConnection& connection) : connection_(connection) {
    keystate_ =
        static_cast<org_kde_kwin_keystate*>(connection.bind(&org_kde_kwin_keystate_interface, 4));
    if (keystate_ != nullptr) {
        org_kde_kwin_keystate_add_listener(keystate_, &kListener, this);
    }
}

KeyState::~KeyState() {
    if (keystate_ == nullptr) {
        return;
    }
    // KWin 5.27 offers version 1, which has no destroy request.
    if (org_kde_kwin_keystate_get_version(keystate_) >=
        ORG_KDE_KWIN_KEYSTATE_DESTROY_SINCE_VERSION) {
        org_kde_kwin_keystate_destroy(keystate_);
    } else {
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(keystate_));
    }
}

bool KeyState::capsLockOn() {
    if (keystate_ != nullptr) {
        org_kde_kwin_keystate_fetchStates(keystate_);
        connection_.roundtrip();
    }
    return capsLock_;
}

void KeyState::setState(std::uint32_t key, std::uint32_t state) {
    if (key == ORG_KDE_KWIN_KEYSTATE_KEY_CAPSLOCK) {
        capsLock_ = state != ORG_KDE_KWIN_KEYSTATE_STATE_UNLOCKED;
    }
}
