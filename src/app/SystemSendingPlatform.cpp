#include "app/SystemSendingPlatform.h"

#ifdef _WIN32
#include "sending/win32/Win32Platform.h"
#else
#include "sending/x11/X11Platform.h"
#endif

std::unique_ptr<SendingPlatform> createSystemSendingPlatform() {
#ifdef _WIN32
    return createWin32Platform();
#else
    return createX11Platform();
#endif
}
