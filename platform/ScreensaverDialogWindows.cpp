// The dialog is built from a template in memory, so the program needs no resource compiler.
#include "platform/ScreensaverDialog.h"

#include "platform/ScreensaverSettings.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <vector>

namespace {
constexpr WORD SOUND_BOX = 100;
constexpr WORD RATE_LIST = 101;
// The standard control classes, by their atoms.
constexpr WORD BUTTON = 0x0080;
constexpr WORD STATIC = 0x0082;
constexpr WORD COMBO_BOX = 0x0085;

// A dialog template: the DLGTEMPLATE, its title and font, then its items, each starting on a
// DWORD boundary as Windows requires.
class DialogTemplate {
public:
    DialogTemplate(const wchar_t* title, short width, short height) {
        DLGTEMPLATE dialog{};
        dialog.style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dialog.cx = width;
        dialog.cy = height;
        append(&dialog, sizeof dialog);
        word(0); // no menu
        word(0); // the standard dialog class
        text(title);
        word(8);
        text(L"MS Shell Dlg");
    }

    void add(WORD id, WORD control, const wchar_t* title, DWORD style, short x, short y,
             short width, short height) {
        bytes.resize((bytes.size() + 3) & ~size_t{3});
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = width;
        item.cy = height;
        item.id = id;
        append(&item, sizeof item);
        word(0xFFFF);
        word(control);
        text(title);
        word(0); // no creation data
        ++reinterpret_cast<DLGTEMPLATE*>(bytes.data())->cdit;
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes.data()); }

private:
    void append(const void* data, size_t size) {
        const auto* first = static_cast<const BYTE*>(data);
        bytes.insert(bytes.end(), first, first + size);
    }
    void word(WORD value) { append(&value, sizeof value); }
    void text(const wchar_t* value) { append(value, (std::wcslen(value) + 1) * sizeof(wchar_t)); }

    std::vector<BYTE> bytes;
};

void showSettings(HWND dialog, const ScreensaverSettings& settings) {
    CheckDlgButton(dialog, SOUND_BOX, settings.sound ? BST_CHECKED : BST_UNCHECKED);
    const HWND list = GetDlgItem(dialog, RATE_LIST);
    for (int rate : ScreensaverSettings::FRAME_RATES) {
        const int index = static_cast<int>(SendMessageW(
            list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(rate).c_str())));
        if (rate == settings.framesPerSecond)
            SendMessageW(list, CB_SETCURSEL, index, 0);
    }
}

ScreensaverSettings chosenSettings(HWND dialog) {
    ScreensaverSettings settings;
    settings.sound = IsDlgButtonChecked(dialog, SOUND_BOX) == BST_CHECKED;
    const LRESULT index = SendDlgItemMessageW(dialog, RATE_LIST, CB_GETCURSEL, 0, 0);
    if (index >= 0 && index < static_cast<LRESULT>(std::size(ScreensaverSettings::FRAME_RATES)))
        settings.framesPerSecond = ScreensaverSettings::FRAME_RATES[index];
    return settings;
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        showSettings(dialog, ScreensaverSettings::load());
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == IDOK) {
        const bool saved = chosenSettings(dialog).save();
        if (!saved)
            MessageBoxW(dialog, L"The settings could not be saved.", L"Quillomer screensaver",
                        MB_OK | MB_ICONEXCLAMATION);
        EndDialog(dialog, saved ? IDOK : IDABORT);
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
} // namespace

int showScreensaverDialog(const std::string& ownerWindow) {
    DialogTemplate dialog(L"Quillomer screensaver", 170, 78);
    dialog.add(SOUND_BOX, BUTTON, L"Play sound", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 150, 12);
    dialog.add(0xFFFF, STATIC, L"Frames per second:", SS_LEFT, 10, 32, 80, 10);
    dialog.add(RATE_LIST, COMBO_BOX, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 95, 30, 45,
               60);
    dialog.add(IDOK, BUTTON, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 55, 56, 50, 14);
    dialog.add(IDCANCEL, BUTTON, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 110, 56, 50, 14);
    const HWND owner = reinterpret_cast<HWND>(std::strtoull(ownerWindow.c_str(), nullptr, 0));
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(),
                                IsWindow(owner) ? owner : nullptr, dialogProcedure, 0);
    return result == IDOK || result == IDCANCEL ? 0 : 1;
}
