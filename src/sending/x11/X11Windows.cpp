#include "sending/x11/X11Windows.h"

#include "charset/Utf8Text.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>

namespace {

// How far below a child of the root the client of a window manager's frame may lie.
constexpr int kFrameDepth = 3;
// Property lengths are counted in 32-bit units: captions up to 256 KiB.
constexpr long kMaxPropertyLength = 65536;

struct Property {
    Atom type = None;
    int format = 0;
    std::string bytes;
    unsigned long items = 0;
};

std::optional<Property> readProperty(Display* display, Window window, Atom name) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, name, 0, kMaxPropertyLength, False, AnyPropertyType,
                           &type, &format, &items, &remaining, &data) != Success) {
        return std::nullopt;
    }
    if (type == None) {
        if (data != nullptr) {
            XFree(data);
        }
        return std::nullopt;
    }
    Property property{type, format, {}, items};
    if (data != nullptr && format == 8) {
        property.bytes.assign(reinterpret_cast<const char*>(data), items);
    } else if (data != nullptr && format == 32 && items > 0) {
        // Xlib hands 32-bit items over as longs.
        property.bytes.assign(reinterpret_cast<const char*>(data), items * sizeof(long));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return property;
}

bool hasProperty(Display* display, Window window, Atom name) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display, window, name, 0, 0, False, AnyPropertyType,
                                          &type, &format, &items, &remaining, &data) == Success &&
                       type != None;
    if (data != nullptr) {
        XFree(data);
    }
    return found;
}

// The children of a window, topmost first.
std::vector<Window> childrenTopFirst(Display* display, Window window) {
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
        return {};
    }
    std::vector<Window> result(children, children + count);
    if (children != nullptr) {
        XFree(children);
    }
    // XQueryTree lists bottom-most first.
    std::reverse(result.begin(), result.end());
    return result;
}

void collectClientsBelow(Display* display, const X11Atoms& atoms, Window window, int depth,
                         std::vector<Window>& clients) {
    for (const Window child : childrenTopFirst(display, window)) {
        if (hasProperty(display, child, atoms.wmState)) {
            clients.push_back(child);
        } else if (depth > 1) {
            collectClientsBelow(display, atoms, child, depth - 1, clients);
        }
    }
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    for (const char c : latin1) {
        appendUtf8(utf8, static_cast<unsigned char>(c));
    }
    return utf8;
}

std::string compoundTextToUtf8(Display* display, const Property& property) {
    XTextProperty text{};
    text.value = reinterpret_cast<unsigned char*>(const_cast<char*>(property.bytes.data()));
    text.encoding = property.type;
    text.format = 8;
    text.nitems = property.bytes.size();
    char** list = nullptr;
    int count = 0;
    std::string result;
    if (Xutf8TextPropertyToTextList(display, &text, &list, &count) >= Success && list != nullptr) {
        for (int i = 0; i < count; ++i) {
            result += list[i];
        }
        XFreeStringList(list);
    }
    return result;
}

} // namespace

std::vector<Window> topLevelClientWindows(Display* display, const X11Atoms& atoms) {
    std::vector<Window> result;
    for (const Window child : childrenTopFirst(display, DefaultRootWindow(display))) {
        if (hasProperty(display, child, atoms.wmState)) {
            result.push_back(child);
            continue;
        }
        const std::size_t before = result.size();
        collectClientsBelow(display, atoms, child, kFrameDepth, result);
        if (result.size() == before && (hasProperty(display, child, atoms.netWmName) ||
                                        hasProperty(display, child, atoms.wmName))) {
            result.push_back(child);
        }
    }
    return result;
}

std::string windowCaptionUtf8(Display* display, const X11Atoms& atoms, Window window) {
    if (const auto name = readProperty(display, window, atoms.netWmName);
        name && name->type == atoms.utf8String && name->format == 8) {
        return name->bytes;
    }
    const auto name = readProperty(display, window, atoms.wmName);
    if (!name || name->format != 8) {
        return {};
    }
    if (name->type == XA_STRING) {
        return latin1ToUtf8(name->bytes);
    }
    if (name->type == atoms.utf8String) {
        return name->bytes;
    }
    if (name->type == atoms.compoundText) {
        return compoundTextToUtf8(display, *name);
    }
    return {};
}

std::optional<long> windowWmState(Display* display, const X11Atoms& atoms, Window window) {
    const auto state = readProperty(display, window, atoms.wmState);
    if (!state || state->format != 32 || state->items < 1) {
        return std::nullopt;
    }
    long value = 0;
    std::memcpy(&value, state->bytes.data(), sizeof value);
    return value;
}

bool windowIsViewable(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

bool windowManagerRunning(Display* display, const X11Atoms& atoms) {
    // EWMH: the root names a window of the window manager, which names itself again.
    const auto readCheck = [&](Window window) -> Window {
        const auto check = readProperty(display, window, atoms.netSupportingWmCheck);
        if (!check || check->type != XA_WINDOW || check->format != 32 || check->items < 1) {
            return None;
        }
        long value = 0;
        std::memcpy(&value, check->bytes.data(), sizeof value);
        return static_cast<Window>(value);
    };
    const Window wm = readCheck(DefaultRootWindow(display));
    return wm != None && readCheck(wm) == wm;
}
