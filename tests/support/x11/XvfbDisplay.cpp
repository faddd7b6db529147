#include "support/x11/XvfbDisplay.h"

#include <stdexcept>

XvfbDisplay::XvfbDisplay()
    : server_({"Xvfb", "-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0",
               "1280x800x24"}) {
    const auto number = server_.readLine(std::chrono::seconds(20));
    if (!number || number->empty()) {
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    name_ = ":" + *number;
}

std::vector<std::string> XvfbDisplay::environment() const {
    return {"DISPLAY=" + name_, "QT_QPA_PLATFORM=xcb", "XDG_RUNTIME_DIR=/tmp"};
}

void XvfbDisplay::setKeyboardLayout(const std::string& layout) const {
    if (runProgram({"setxkbmap", "-display", name_, layout}) != 0) {
        throw std::runtime_error("setxkbmap " + layout + " failed");
    }
}
