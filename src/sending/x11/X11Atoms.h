#pragma once

#include <X11/Xlib.h>

// The atoms the backend reads and sends, interned once per connection.
struct X11Atoms {
    explicit X11Atoms(Display* display);

    Atom wmState = None;
    Atom wmName = None;
    Atom netWmName = None;
    Atom utf8String = None;
    Atom compoundText = None;
    Atom netActiveWindow = None;
    Atom netSupportingWmCheck = None;
    Atom wmProtocols = None;
    Atom netWmPing = None;
};
