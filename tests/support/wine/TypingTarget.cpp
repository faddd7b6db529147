// A plain Win32 window with a multi-line edit box that takes the keyboard focus: the window
// that the wine tests type into. Its caption is the whole command line. The edit box is a
// Unicode window, as the targets of the program are: what it receives is read back as
// typed, without a conversion through a code page on the way in.
#include "support/wine/TypingTarget.h"

#include <windows.h>

namespace {

constexpr const char* ClassName = kTypingTargetClass;
HWND editBox = nullptr;

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        editBox = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                      ES_WANTRETURN | ES_AUTOVSCROLL,
                                  0, 0, 0, 0, window, nullptr, nullptr, nullptr);
        return editBox != nullptr ? 0 : -1;
    case WM_SIZE:
        MoveWindow(editBox, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(editBox);
        return 0;
    case WM_CLOSE:
        // Ending the process takes the window along at once; Wine spends seconds in
        // DestroyWindow of a foreground window.
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = targetProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ClassName;
    if (RegisterClassA(&windowClass) == 0) {
        return 1;
    }
    const HWND window =
        CreateWindowExA(0, ClassName, commandLine, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 480, 320, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
