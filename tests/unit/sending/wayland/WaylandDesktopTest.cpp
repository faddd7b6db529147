#include "sending/wayland/WaylandDesktop.h"
#include "sending/wayland/WaylandNotices.h"
#include "sending/wayland/WindowOrder.h"

#include <gtest/gtest.h>

namespace {

// What the compositors announced, in part.
const std::vector<std::string> kSway{"wl_compositor",
                                     "wl_seat",
                                     "org_kde_kwin_idle",
                                     "org_kde_kwin_server_decoration_manager",
                                     "zwlr_foreign_toplevel_manager_v1",
                                     "zwp_virtual_keyboard_manager_v1"};
const std::vector<std::string> kKWinHiding{"wl_compositor",
                                           "wl_seat",
                                           "org_kde_plasma_shell",
                                           "org_kde_plasma_virtual_desktop_management",
                                           "org_kde_kwin_appmenu_manager",
                                           "kde_output_device_v2"};
const std::vector<std::string> kMutter{"wl_compositor", "wl_seat", "xdg_wm_base",
                                       "zwp_text_input_manager_v3", "gtk_shell1"};

std::vector<std::string> with(std::vector<std::string> list, const std::string& more) {
    list.push_back(more);
    return list;
}

} // namespace

TEST(WaylandDesktop, TheGlobalsChooseTheBackend) {
    EXPECT_EQ(detectWaylandDesktop(kSway, "sway"), WaylandDesktop::Wlroots);
    EXPECT_EQ(detectWaylandDesktop(with(with(kKWinHiding, "org_kde_plasma_window_management"),
                                        "org_kde_kwin_fake_input"),
                                   "KDE"),
              WaylandDesktop::KWin);
    // Both wlroots interfaces are needed; sway's own org_kde_* globals do not make it KDE.
    EXPECT_EQ(detectWaylandDesktop({"zwlr_foreign_toplevel_manager_v1", "org_kde_kwin_idle"}, ""),
              WaylandDesktop::Other);
    EXPECT_EQ(detectWaylandDesktop(kMutter, "GNOME"), WaylandDesktop::Other);
    EXPECT_EQ(detectWaylandDesktop({}, ""), WaylandDesktop::Other);
}

TEST(WaylandDesktop, AKdeSessionThatHidesItsInterfacesIsToldApart) {
    EXPECT_EQ(detectWaylandDesktop(kKWinHiding, ""), WaylandDesktop::KWinWithoutPermission);
    // The window list alone, without fake input, is no use either.
    EXPECT_EQ(detectWaylandDesktop(with(kKWinHiding, "org_kde_plasma_window_management"), ""),
              WaylandDesktop::KWinWithoutPermission);
    // XDG_CURRENT_DESKTOP is a list.
    EXPECT_EQ(detectWaylandDesktop(kMutter, "ubuntu:KDE"), WaylandDesktop::KWinWithoutPermission);
    EXPECT_EQ(detectWaylandDesktop(kMutter, "KDEX:GNOME"), WaylandDesktop::Other);
}

TEST(WaylandDesktop, TheNoticesNameTheDesktopFileAndWhatIsReached) {
    const std::string missing =
        desktopFileMissingMessage("/usr/share/applications/quipsender-kwin.desktop");
    EXPECT_NE(missing.find("KDE Plasma"), std::string::npos);
    EXPECT_NE(missing.find(" /usr/share/applications/quipsender-kwin.desktop "), std::string::npos);
    EXPECT_NE(x11WindowsOnlyMessage().find("X11-Fenster (XWayland)"), std::string::npos);
}

TEST(WindowOrder, TheLastActiveWindowComesFirstThenTheNewest) {
    const std::vector<WaylandWindow> windows{{1, "a", false, false, 3},
                                             {2, "b", true, false, 7},
                                             {3, "c", false, false, 0},
                                             {4, "d", false, true, 0},
                                             {5, "e", false, false, 1}};
    std::vector<std::uint32_t> order;
    for (const WaylandWindow& w : topFirst(windows)) {
        order.push_back(w.id);
    }
    EXPECT_EQ(order, (std::vector<std::uint32_t>{2, 1, 5, 4, 3}));
}
