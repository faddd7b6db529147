#include "SystemSendingPlatform.h"

#ifdef _WIN32
#include "Win32Platform.h"
#else
#include "X11Platform.h"
#endif

std::unique_ptr<SendingPlatform> CreateSystemSendingPlatform() {
#ifdef _WIN32
    return CreateWin32Platform();
#else
    return CreateX11Platform();
#endif
}
