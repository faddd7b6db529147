#include "app/SystemSendingPlatform.h"

#ifdef _WIN32
#include "sending/win32/Win32Platform.h"
#else
#include "sending/x11/X11Platform.h"
#endif

std::unique_ptr<SendingPlatform> CreateSystemSendingPlatform() {
#ifdef _WIN32
    return CreateWin32Platform();
#else
    return CreateX11Platform();
#endif
}
