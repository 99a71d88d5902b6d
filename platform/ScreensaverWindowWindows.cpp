// On Windows a screensaver runs in a window of its own, given to SDL through SDL_WINDOWID:
// over the screen (--root, Windows' /s) a black window covers every display and the picture
// is a window over the primary one, owned by the cover so that it stays above it; in a window
// another program gives (--window-id, Windows' /p HWND: the preview) the picture is a child
// window filling it, since a window of another process cannot be drawn into directly. A
// timer checks what ends the run and then hands SDL a quit event: the given window going
// away, and over the screen any key, a click or the pointer moving more than a few pixels.
#include "platform/ScreensaverWindow.h"

#include <SDL.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <type_traits>

namespace {
constexpr UINT CHECK_MILLISECONDS = 100;
/// Farther than this from where it was at the start, in pixels, the pointer ends the run;
/// a hand resting on the mouse jitters by less.
constexpr LONG POINTER_LIMIT = 10;

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// What ends the run. The timer's callback reads it: Windows gives a thread's timer no data
// of its own, and there is one screensaver window per process.
struct EndWatch {
    HWND given = nullptr;       ///< the window whose end ends the run
    bool endsOnInput = false;   ///< over the screen: a key, a click or a move ends it
    bool started = false;       ///< whether the first check has taken the readings below
    POINT start{};              ///< the pointer at the first check
    bool heldAtStart[256] = {}; ///< keys already held then do not count
};
EndWatch watch;

// The windows made for the run; they live as long as the process.
WindowHandle cover;
WindowHandle picture;

bool keyDown(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

// The first check takes its readings once the windows are shown: until the system has seen
// the pointer over a window of the program, it may report another place.
void takeStartReadings() {
    GetCursorPos(&watch.start);
    for (int key = 1; key < 256; ++key)
        watch.heldAtStart[key] = keyDown(key);
    watch.started = true;
}

bool inputSeen() {
    if (!watch.started) {
        takeStartReadings();
        return false;
    }
    POINT now{};
    if (GetCursorPos(&now) && (std::labs(now.x - watch.start.x) > POINTER_LIMIT ||
                               std::labs(now.y - watch.start.y) > POINTER_LIMIT))
        return true;
    // The mouse buttons are keys 1 to 6.
    for (int key = 1; key < 256; ++key)
        if (keyDown(key) && !watch.heldAtStart[key])
            return true;
    return false;
}

void CALLBACK checkEnd(HWND, UINT, UINT_PTR, DWORD) {
    if (IsWindow(watch.given) && !(watch.endsOnInput && inputSeen()))
        return;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

const wchar_t* windowClass(const wchar_t* name, HBRUSH background) {
    WNDCLASSW description{};
    description.lpfnWndProc = DefWindowProcW;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hbrBackground = background;
    description.lpszClassName = name;
    RegisterClassW(&description);
    return name;
}

// The black window over every display; null if it cannot be made.
HWND coverScreens() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    cover.reset(CreateWindowExW(
        WS_EX_TOPMOST,
        windowClass(L"QuillomerCover", static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))),
        L"Quillomer", WS_POPUP | WS_VISIBLE, left, top, GetSystemMetrics(SM_CXVIRTUALSCREEN),
        GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr, nullptr, GetModuleHandleW(nullptr),
        nullptr));
    return cover.get();
}

// The picture's window, `width` x `height` at (x, y): over the screen when `style` is
// WS_POPUP, inside `parent` when it is WS_CHILD.
HWND makePicture(DWORD style, HWND parent, int x, int y, int width, int height) {
    picture.reset(CreateWindowExW(style == WS_POPUP ? WS_EX_TOPMOST : 0,
                                  windowClass(L"QuillomerPicture", nullptr), L"Quillomer",
                                  style | WS_VISIBLE, x, y, width, height, parent, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    return picture.get();
}

void startWatch(HWND given, bool endsOnInput) {
    watch.given = given;
    watch.endsOnInput = endsOnInput;
    SetTimer(nullptr, 0, CHECK_MILLISECONDS, checkEnd);
}
} // namespace

bool adoptScreensaverWindow(const std::string& windowId, int& width, int& height,
                            std::string& reason) {
    HWND parent = nullptr;
    DWORD style = WS_CHILD;
    if (windowId.empty()) {
        parent = coverScreens();
        style = WS_POPUP;
        // The primary display lies at (0, 0).
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
        ShowCursor(FALSE);
    } else {
        parent = reinterpret_cast<HWND>(std::strtoull(windowId.c_str(), nullptr, 0));
        RECT area{};
        if (!IsWindow(parent) || !GetClientRect(parent, &area)) {
            reason = "no window " + windowId + " to draw the screensaver in";
            return false;
        }
        width = area.right;
        height = area.bottom;
    }
    if (!parent || !makePicture(style, parent, 0, 0, width, height)) {
        reason =
            "cannot make the screensaver's window (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    startWatch(parent, windowId.empty());
    _putenv(("SDL_WINDOWID=" + std::to_string(reinterpret_cast<uintptr_t>(picture.get()))).c_str());
    return true;
}
