// Prints what the compositor of WAYLAND_DISPLAY offers this program: the desktop it calls
// for (wlroots, kwin, kwin-without-permission, other), and "keystate" when KWin's key
// state is offered too. For the test of KWin's desktop-file permission, which KWin grants
// by the path of the binary.
#include "sending/wayland/WaylandConnection.h"
#include "sending/wayland/WaylandDesktop.h"

#include <cstdio>
#include <stdexcept>

int main() {
    try {
        const WaylandConnection connection;
        std::vector<std::string> interfaces;
        for (const WaylandGlobal& global : connection.globals()) {
            interfaces.push_back(global.interface);
        }
        static const char* const kNames[] = {"wlroots", "kwin", "kwin-without-permission", "other"};
        std::printf("%s%s\n", kNames[static_cast<int>(detectWaylandDesktop(interfaces, ""))],
                    connection.versionOf("org_kde_kwin_keystate") != 0 ? " keystate" : "");
        return 0;
    } catch (const std::runtime_error& error) {
        std::printf("error %s\n", error.what());
        return 1;
    }
}
