// Stands in for the Screen Saver settings' preview: makes a window whose client area is
// 321 x 241 (a size nothing else has), prints its handle, and destroys it when a line arrives
// on stdin; then exits. It pumps its messages all the while, as the settings do: a child
// window made in it by another process waits on them.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <thread>

namespace {
LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

int main() {
    WNDCLASSW description{};
    description.lpfnWndProc = hostProcedure;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    description.lpszClassName = L"QuillomerPreviewHost";
    RegisterClassW(&description);
    RECT area{0, 0, 321, 241};
    AdjustWindowRect(&area, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND window = CreateWindowW(L"QuillomerPreviewHost", L"Preview host",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                      area.right - area.left, area.bottom - area.top, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return 1;
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
    std::fflush(stdout);
    std::thread([window] {
        char line[16];
        std::fgets(line, sizeof line, stdin);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }).detach();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
