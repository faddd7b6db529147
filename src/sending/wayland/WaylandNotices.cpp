#include "sending/wayland/WaylandNotices.h"

std::string desktopFileMissingMessage(std::string_view desktopFile) {
    std::string message = "KDE Plasma lässt Quipsender Fenster nur mit der Datei ";
    message += desktopFile;
    message += " finden und Tasten senden. Sie fehlt, oder Quipsender wurde nicht von dem "
               "Ort gestartet, den sie nennt. Bis dahin erreicht Quipsender nur "
               "X11-Fenster (XWayland).";
    return message;
}

std::string x11WindowsOnlyMessage() {
    return "Auf diesem Wayland-Desktop kann Quipsender nur in X11-Fenster (XWayland) "
           "senden, nicht in Fenster, die ohne X11 laufen.";
}
