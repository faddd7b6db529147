#include "sending/wayland/WindowOrder.h"

#include <algorithm>

std::vector<WaylandWindow> topFirst(std::vector<WaylandWindow> windows) {
    std::stable_sort(windows.begin(), windows.end(),
                     [](const WaylandWindow& a, const WaylandWindow& b) {
                         if (a.activatedAt != b.activatedAt) {
                             return a.activatedAt > b.activatedAt;
                         }
                         return a.id > b.id;
                     });
    return windows;
}
