#include "sending/x11/X11SpareKeys.h"

#include "sending/x11/KeysymCharacters.h"
#include "sending/x11/X11ErrorTrap.h"
#include "sending/x11/X11KeysDown.h"

#include <algorithm>
#include <bitset>

namespace {

// The canonical key types that every XKB keymap starts with.
constexpr int kOneLevelType = XkbOneLevelIndex;
constexpr int kTwoLevelType = XkbTwoLevelIndex;

} // namespace

X11SpareKeys::X11SpareKeys(Display* display) : display_(display) {}

X11SpareKeys::~X11SpareKeys() {
    giveBack();
}

std::size_t X11SpareKeys::capacity() {
    if (!searched_) {
        findSpareKeys();
    }
    return 2 * spare_.size();
}

void X11SpareKeys::findSpareKeys() {
    searched_ = true;
    spare_.clear();
    XkbDescPtr xkb =
        XkbGetMap(display_, XkbKeySymsMask | XkbModifierMapMask | XkbKeyActionsMask, XkbUseCoreKbd);
    if (xkb == nullptr) {
        return;
    }
    // A key held now would go up on its new symbol.
    const std::bitset<256> down = keysDown(display_);
    // From the top down: the low keycodes are the ones real keyboards send.
    for (int key = xkb->max_key_code; key >= xkb->min_key_code; --key) {
        if (XkbKeyNumGroups(xkb, key) == 0 && xkb->map->modmap[key] == 0 &&
            !XkbKeyHasActions(xkb, key) && !down[static_cast<std::size_t>(key)]) {
            spare_.push_back(static_cast<KeyCode>(key));
        }
    }
    XkbFreeKeyboard(xkb, XkbAllComponentsMask, True);
}

void X11SpareKeys::lend(const std::string& characters) {
    if (characters.empty() && characters_.empty()) {
        return;
    }
    capacity();
    change(characters.substr(0, 2 * spare_.size()));
}

void X11SpareKeys::giveBack() {
    if (lent()) {
        change({});
    }
    // Looked for again next time: the keymap may change in between.
    searched_ = false;
}

void X11SpareKeys::change(const std::string& characters) {
    XkbDescPtr xkb = XkbGetMap(display_, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    if (xkb == nullptr) {
        return;
    }
    const std::size_t before = (characters_.size() + 1) / 2;
    const std::size_t after = (characters.size() + 1) / 2;
    XkbMapChangesRec changes{};
    int first = 0;
    int last = 0;
    for (std::size_t i = 0; i < std::max(before, after); ++i) {
        const KeyCode key = spare_[i];
        const std::size_t count =
            i < after ? std::min<std::size_t>(2, characters.size() - 2 * i) : 0;
        // Room first, while the key still has its old size; then the new size.
        KeySym* syms = XkbResizeKeySyms(xkb, key, static_cast<int>(count));
        XkbSymMapPtr map = &xkb->map->key_sym_map[key];
        map->kt_index[0] = count == 2 ? kTwoLevelType : kOneLevelType;
        map->group_info = static_cast<unsigned char>(XkbSetNumGroups(0, count != 0 ? 1 : 0));
        map->width = static_cast<unsigned char>(count);
        for (std::size_t level = 0; level < count; ++level) {
            syms[level] = keysymForCp1252(static_cast<unsigned char>(characters[2 * i + level]));
        }
        first = i == 0 ? key : std::min<int>(first, key);
        last = i == 0 ? key : std::max<int>(last, key);
    }
    if (before != 0 || after != 0) {
        // One request for the whole range; the keys between are sent as the server has them.
        changes.changed = XkbKeySymsMask;
        changes.first_key_sym = static_cast<KeyCode>(first);
        changes.num_key_syms = static_cast<unsigned char>(last - first + 1);
        X11ErrorTrap trap(display_);
        XkbChangeMap(display_, xkb, &changes);
    }
    XkbFreeKeyboard(xkb, XkbAllComponentsMask, True);
    characters_ = characters;
}

std::optional<X11SpareKeys::Place> X11SpareKeys::find(unsigned char character) const {
    const auto at = characters_.find(static_cast<char>(character));
    if (at == std::string::npos) {
        return std::nullopt;
    }
    return Place{spare_[at / 2], at % 2 == 1};
}

std::vector<KeyCode> X11SpareKeys::keys() const {
    return {spare_.begin(), spare_.begin() + static_cast<long>((characters_.size() + 1) / 2)};
}
