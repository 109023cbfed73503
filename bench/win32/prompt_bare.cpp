// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the prompt round trip: a bare modal dialog with a text, an edit line and an OK
// button, made from an in-memory template over a bare window.

#include "probe.h"

#include <cstring>
#include <vector>

namespace {

// A dialog template: the box, then its three controls, each aligned on a DWORD.
std::vector<WORD> bareTemplate()
{
    std::vector<WORD> words;
    const auto append = [&words](const void *data, std::size_t bytes) {
        const std::size_t at = words.size();
        words.resize(at + (bytes + 1) / 2);
        std::memcpy(words.data() + at, data, bytes);
    };
    const auto text = [&words](const wchar_t *value) {
        for (; *value; ++value)
            words.push_back(static_cast<WORD>(*value));
        words.push_back(0);
    };
    const DLGTEMPLATE box{
            DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 3, 0, 0, 200, 70};
    append(&box, sizeof box);
    words.insert(words.end(), {0, 0}); // no menu, the standard class
    text(L"Brannock");
    const auto item = [&](DWORD style, short y, short height, WORD id, WORD kind,
                          const wchar_t *caption) {
        if (words.size() % 2)
            words.push_back(0);
        const DLGITEMTEMPLATE control{WS_CHILD | WS_VISIBLE | style, 0, 7, y, 186, height, id};
        append(&control, sizeof control);
        words.insert(words.end(), {0xFFFF, kind});
        text(caption);
        words.push_back(0); // no creation data
    };
    item(SS_LEFT, 7, 16, 100, 0x0082, L"请输入起始点的高程 Ha ");
    item(WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 26, 14, 101, 0x0081, L"");
    item(WS_TABSTOP | BS_DEFPUSHBUTTON, 46, 16, IDOK, 0x0080, L"OK");
    return words;
}

INT_PTR CALLBACK boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(box, IDOK);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"Brannock", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 689, 648, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    const std::vector<WORD> words = bareTemplate();
    bench::reportRoundTrips(window, 40, [&] {
        DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE *>(words.data()),
                                window, boxProcedure, 0);
    });
    DestroyWindow(window);
    return 0;
}
