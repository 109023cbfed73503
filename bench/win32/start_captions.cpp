// SPDX-License-Identifier: GPL-3.0-or-later
// The captions floor of the Windows start-up: the window's 21 captions (labels and buttons) as
// static texts in the same fonts at the same places, and nothing else; it pays the price of
// Chinese text that the bare window does not.

#include "probe.h"

#include "design.h"
#include "fonts.h"
#include "utf16.h"

#include <array>
#include <cstddef>

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
    std::array<platform::win32::FontHandle, design::windowFonts> fonts;
    for (std::size_t i = 0; i < fonts.size(); ++i)
        fonts[i] = platform::win32::createFont(static_cast<design::Font>(i), design::logicalDpi);
    const auto fontOf = [&fonts](const auto &control) {
        return fonts[static_cast<std::size_t>(design::fontOf(control))].get();
    };
    for (const design::Label &label : design::labels)
        caption(window, label.box, label.caption, fontOf(label));
    for (const design::Button &button : design::buttons)
        caption(window, button.box, button.caption, fontOf(button));
    ShowWindow(window, show);
    bench::reportFirstFrame(window);
    DestroyWindow(window);
    return 0;
}
