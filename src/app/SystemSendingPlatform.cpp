#include "app/SystemSendingPlatform.h"

#ifdef _WIN32
#include "sending/win32/Win32Platform.h"
#else
#include "sending/wayland/WaylandDesktop.h"
#include "sending/wayland/WaylandNotices.h"
#include "sending/wayland/WaylandPlatform.h"
#include "sending/x11/X11Platform.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// The hidden desktop file that the install puts beside the program's share folder.
std::string kwinDesktopFile() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path prefix =
        error ? std::filesystem::path("/usr") : program.parent_path().parent_path();
    return (prefix / "share" / "applications" / "quipsender-kwin.desktop").string();
}

} // namespace
#endif

SystemSending createSystemSendingPlatform() {
#ifdef _WIN32
    return {createWin32Platform(), {}};
#else
    const char* socket = std::getenv("WAYLAND_DISPLAY");
    if (socket == nullptr || *socket == '\0') {
        return {createX11Platform(), {}};
    }
    const WaylandDesktop desktop = probeWaylandDesktop();
    if (auto platform = createWaylandPlatform(desktop)) {
        return {std::move(platform), {}};
    }
    if (desktop == WaylandDesktop::KWinWithoutPermission) {
        return {createX11Platform(), desktopFileMissingMessage(kwinDesktopFile())};
    }
    return {createX11Platform(), x11WindowsOnlyMessage()};
#endif
}
