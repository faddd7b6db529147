#include "support/x11/X11AppSession.h"
#include "support/x11/X11TestSession.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
const XvfbDisplay* display = nullptr;
} // namespace

const XvfbDisplay& testDisplay() {
    return *display;
}

int main(int argc, char* argv[]) {
    XvfbDisplay server;
    server.setKeyboardLayout("de");
    Openbox wm(server);
    display = &server;
    setenv("DISPLAY", server.name().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // Sending must take the X11 backend on this server, also when run inside a Wayland desktop.
    unsetenv("WAYLAND_DISPLAY");
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
