#include "sending/x11/X11KeylessCharacters.h"

#include "charset/Cp1252Table.h"

#include <thread>

X11KeylessCharacters::X11KeylessCharacters(X11Keymap& keymap, X11SpareKeys& spareKeys,
                                           X11Ping& ping)
    : keymap_(keymap), spareKeys_(spareKeys), ping_(ping) {}

void X11KeylessCharacters::prepare(Window target, std::string_view characters) {
    giveBack();
    target_ = target;
    keyless_.clear();
    for (const char c : characters) {
        const auto character = static_cast<unsigned char>(c);
        if (isPrintableCp1252(character) && keymap_.layoutKey(character) == 0xFFFF &&
            keyless_.find(c) == std::string::npos) {
            keyless_ += c;
        }
    }
    if (!keyless_.empty()) {
        lend(0);
    }
}

void X11KeylessCharacters::bringIn(unsigned char character) {
    if (spareKeys_.find(character)) {
        return;
    }
    const auto at = keyless_.find(static_cast<char>(character));
    if (at == std::string::npos) {
        return;
    }
    // The keys typed so far must be read with the keymap they were typed with.
    waitForTarget();
    lend(at);
}

void X11KeylessCharacters::giveBack() {
    if (!spareKeys_.lent()) {
        return;
    }
    waitForTarget();
    spareKeys_.giveBack();
    keymap_.setLentKeys({});
}

void X11KeylessCharacters::lend(std::size_t from) {
    if (spareKeys_.capacity() == 0) {
        return;
    }
    spareKeys_.lend(keyless_.substr(from, spareKeys_.capacity()));
    keymap_.setLentKeys(spareKeys_.keys());
    waitForTarget();
}

void X11KeylessCharacters::waitForTarget() {
    if (target_ == None || !ping_.roundTrip(target_, kTargetWait)) {
        std::this_thread::sleep_for(kUnpingedPause);
    }
}
