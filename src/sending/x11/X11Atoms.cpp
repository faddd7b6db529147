#include "sending/x11/X11Atoms.h"

#include <X11/Xatom.h>

#include <array>

X11Atoms::X11Atoms(Display* display) {
    std::array<char*, 8> names = {
        const_cast<char*>("WM_STATE"),           const_cast<char*>("_NET_WM_NAME"),
        const_cast<char*>("UTF8_STRING"),        const_cast<char*>("COMPOUND_TEXT"),
        const_cast<char*>("_NET_ACTIVE_WINDOW"), const_cast<char*>("_NET_SUPPORTING_WM_CHECK"),
        const_cast<char*>("WM_PROTOCOLS"),       const_cast<char*>("_NET_WM_PING"),
    };
    std::array<Atom, 8> atoms{};
    XInternAtoms(display, names.data(), static_cast<int>(names.size()), False, atoms.data());
    wmState = atoms[0];
    wmName = XA_WM_NAME;
    netWmName = atoms[1];
    utf8String = atoms[2];
    compoundText = atoms[3];
    netActiveWindow = atoms[4];
    netSupportingWmCheck = atoms[5];
    wmProtocols = atoms[6];
    netWmPing = atoms[7];
}
