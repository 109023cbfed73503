// SPDX-License-Identifier: GPL-3.0-or-later
// The design's faces as installed GDI faces, and GDI fonts of them.

#include "fonts.h"

#include "utf16.h"

#include <cmath>
#include <cwchar>

namespace platform::win32 {

namespace {

bool installed(const std::wstring &face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    if (face.size() >= LF_FACESIZE)
        return false;
    std::wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
            screen, &wanted,
            [](const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM flag) -> int {
                *reinterpret_cast<bool *>(flag) = true;
                return 0;
            },
            reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

std::wstring installedFace(std::string_view name)
{
    if (!design::names(design::songFace, name))
        return toUtf16(name);
    for (const std::wstring &face :
         {toUtf16(design::songFace.name), toUtf16(design::songFace.englishName),
          std::wstring(L"NSimSun"), std::wstring(L"Microsoft YaHei"), std::wstring(L"SimHei")}) {
        if (installed(face))
            return face;
    }
    return toUtf16(design::songFace.englishName);
}

FontHandle createFont(std::string_view name, double points, bool bold, int dpi,
                      design::Charset charset)
{
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = charset == design::Charset::Gb2312 ? GB2312_CHARSET : DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = installedFace(name);
    std::wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&font));
}

FontHandle createFont(design::Font font, int dpi)
{
    const design::FontSpec &style = design::fontSpec(font);
    return createFont(style.face.name, style.points, style.bold, dpi, style.charset);
}

} // namespace platform::win32
