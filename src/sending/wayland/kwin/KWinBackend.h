#pragma once

#include "sending/wayland/WaylandBackend.h"
#include "sending/wayland/kwin/FakeInput.h"
#include "sending/wayland/kwin/KeyState.h"
#include "sending/wayland/kwin/LayoutLookup.h"
#include "sending/wayland/kwin/PlasmaWindows.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

class WaylandConnection;
class WaylandSeat;

// Sending on KDE Plasma: KWin's window list finds and activates windows, fake input types
// key codes through KWin's keyboard state, so characters go through the user's layout and
// Caps Lock applies, as on X11. A character the layout has no key or composition for
// cannot be typed.
class KWinBackend : public WaylandBackend {
public:
    // Unpaced, KWin lost whole texts and cut clients off.
    static constexpr std::chrono::microseconds kCharacterPause{1000};
    // A Qt target commits a composed character the moment it reads the composition's last
    // key, but hands on plain keys later, after the whole batch of events it read with
    // them: a plain character read in one batch with a composition that follows it comes
    // out after it. So the plain keys before a composition get this long to be read alone.
    static constexpr std::chrono::milliseconds kBeforeCompositionPause{50};

    // Throws std::runtime_error when KWin does not let us have its window list and fake
    // input.
    KWinBackend(WaylandConnection& connection, WaylandSeat& seat);

    std::vector<WaylandWindow> windows() override;
    bool activate(std::uint32_t id) override;
    void restore(std::uint32_t id) override { windows_.restore(id); }
    void sync() override;
    void prepare(std::u32string_view text) override;
    bool canType(char32_t character) override;
    void typeCharacter(char32_t character) override;
    void modifier(HeldModifier modifier, bool down) override;
    void namedKey(std::uint32_t evdev, bool down) override;
    bool capsLockOn() override { return keyState_.capsLockOn(); }
    std::chrono::microseconds characterPause() const override { return kCharacterPause; }

private:
    using Strokes = std::optional<std::vector<KeyStroke>>;
    const Strokes& strokesFor(char32_t character);
    void readLayout();
    void press(const KeyStroke& stroke);

    WaylandConnection& connection_;
    WaylandSeat& seat_;
    PlasmaWindows windows_;
    FakeInput input_;
    KeyState keyState_;
    std::unique_ptr<LayoutLookup> layout_;
    std::uint32_t layoutSerial_ = 0;
    std::uint32_t layoutGroup_ = 0;
    std::map<char32_t, Strokes> strokes_;
    // Whether the last character typed was a composition: plain keys came in between if not.
    bool lastComposed_ = false;
};
