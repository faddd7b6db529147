#include "support/x11/ChromiumChat.h"

#include "support/x11/X11Probe.h"

#include <stdexcept>

namespace {

std::string percentEncode(const std::string& text) {
    static const char* const digits = "0123456789ABCDEF";
    std::string result;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' || byte == '.') {
            result += c;
        } else {
            result += '%';
            result += digits[byte >> 4];
            result += digits[byte & 0xF];
        }
    }
    return result;
}

std::vector<std::string> arguments(const std::string& caption, const std::string& profile) {
    return {"chromium",
            "--no-sandbox", // as root
            "--no-first-run", "--disable-gpu", "--disable-background-networking",
            "--disable-component-update", "--disable-sync", "--disable-quic",
            "--no-default-browser-check", "--password-store=basic", "--user-data-dir=" + profile,
            "--window-size=900,600",
            // An application window: the page has the focus from the start, not an
            // address bar, and the window's caption is the page title.
            std::string("--app=file://") + QUIP_CHAT_PAGE_PATH + "#" + percentEncode(caption)};
}

} // namespace

ChromiumChat::ChromiumChat(const XvfbDisplay& display, const std::string& caption)
    : display_(display), caption_(caption),
      process_(arguments(caption, profile_.path().string()), display.environment()) {
    X11Probe probe(display.name());
    const bool shown = X11Probe::waitUntil(
        [&] {
            if (const auto window = probe.findWindowByCaptionPrefix(caption_)) {
                window_ = *window;
                return true;
            }
            return false;
        },
        std::chrono::seconds(60));
    // Ready for keys once the page has had the focus; then the focus goes away again, so
    // that whoever types must bring the window forward itself.
    const bool ready =
        shown && X11Probe::waitUntil(
                     [&] {
                         probe.focusWindow(window_);
                         return probe.caption(window_).rfind(caption_ + " [", 0) == 0;
                     },
                     std::chrono::seconds(60));
    probe.focusWindow(0);
    if (!ready) {
        throw std::runtime_error("Chromium did not show the page (is chromium installed?)");
    }
}

std::string ChromiumChat::text() const {
    X11Probe probe(display_.name());
    const std::string caption = probe.caption(window_);
    const std::string prefix = caption_ + " [";
    const auto colon = caption.find(':', prefix.size());
    const auto end = caption.rfind(']');
    if (caption.rfind(prefix, 0) != 0 || colon == std::string::npos || end == std::string::npos ||
        end < colon) {
        return {};
    }
    return percentDecode(caption.substr(colon + 1, end - colon - 1));
}

std::string ChromiumChat::waitForText(const std::string& expected,
                                      std::chrono::milliseconds timeout) const {
    return X11Probe::waitForText([this] { return text(); }, expected, timeout);
}

std::string percentDecode(const std::string& encoded) {
    std::string result;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size()) {
            result += static_cast<char>(std::stoi(encoded.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            result += encoded[i];
        }
    }
    return result;
}
