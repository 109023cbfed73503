// SPDX-License-Identifier: GPL-3.0-or-later
// The captions floor of the Windows start-up: the window's 21 captions (labels and buttons) as
// static texts in the same fonts at the same places, and nothing else; it pays the price of
// Chinese text that the bare window does not.

#include "probe.h"

#include "design.h"
#include "fonts.h"
#include "utf16.h"

namespace {

void caption(HWND window, const design::Rect &box, std::string_view text, HFONT font)
{
    const design::PixelRect at = design::pixelRect(box, design::logicalDpi);
    HWND label = CreateWindowExW(0, L"STATIC", platform::win32::toUtf16(text).c_str(),
                                 WS_CHILD | WS_VISIBLE, at.left, at.top, at.width, at.height,
                                 window, nullptr, nullptr, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    HWND window = bench::plainWindow(instance, L"BrannockCaptions");
    if (!window)
        return 1;
    const design::WindowFonts<platform::win32::FontHandle> fonts([](design::Font font) {
        return platform::win32::createFont(font, design::logicalDpi);
    });
    for (const design::Label &label : design::labels)
        caption(window, label.box, label.caption, fonts.of(label).get());
    for (const design::Button &button : design::buttons)
        caption(window, button.box, button.caption, fonts.of(button).get());
    ShowWindow(window, show);
    bench::reportFirstFrame(window);
    DestroyWindow(window);
    return 0;
}
