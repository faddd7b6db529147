#include "support/x11/XvfbDisplay.h"

#include "support/x11/TemporaryDirectory.h"

#include <fstream>
#include <sstream>
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

std::string XvfbDisplay::keymap() const {
    const TemporaryDirectory directory;
    const std::string file = (directory.path() / "keymap.xkb").string();
    if (runProgram({"xkbcomp", "-xkb", name_, file}) != 0) {
        throw std::runtime_error("xkbcomp could not read the keymap of " + name_);
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
