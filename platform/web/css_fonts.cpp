// SPDX-License-Identifier: GPL-3.0-or-later
// The design's faces as CSS font-family lists.

#include "css_fonts.h"

#include "double_chars.h"
#include "typography.h"

#include <array>
#include <initializer_list>

namespace platform::web {

namespace {

// WenQuanYi Zen Hei has no bold face, and Chromium does not embolden it as the desktops do: under
// a name of the page's own it is a regular face that the browser draws bold where asked.
constexpr std::string_view boldlessChineseSans = "Brannock Zen Hei";

// After the design's own face: the Linux stand-ins for Latin text; then each system's CJK faces,
// the Linux program's ahead of others a Linux system may have too, so that the page measures and
// prints as it does.
constexpr std::array<std::string_view, 10> sansFallbacks{
        design::linuxLatinSans[0], design::linuxLatinSans[1], "Microsoft YaHei",  "PingFang SC",
        "Hiragino Sans GB",        boldlessChineseSans,       "Noto Sans CJK SC", "Noto Sans SC",
        "Source Han Sans SC",      "Droid Sans Fallback"};
constexpr std::array<std::string_view, 8> songFallbacks{"Songti SC",         "STSong",
                                                        design::linuxSong,   "Noto Serif CJK SC",
                                                        "Noto Serif SC",     "Source Han Serif SC",
                                                        boldlessChineseSans, "Noto Sans CJK SC"};

// A family name as a CSS string; names hold no quote or backslash, but a report font's could.
void appendQuoted(std::string &list, std::string_view name)
{
    list += '"';
    for (char c : name) {
        if (c == '"' || c == '\\')
            list += '\\';
        list += c;
    }
    list += '"';
}

template<std::size_t Count>
std::string familyList(std::initializer_list<std::string_view> first,
                       const std::array<std::string_view, Count> &fallbacks,
                       std::string_view generic)
{
    std::string list;
    const auto add = [&list](std::string_view name) {
        if (!list.empty())
            list += ", ";
        appendQuoted(list, name);
    };
    for (std::string_view name : first)
        add(name);
    for (std::string_view name : fallbacks)
        add(name);
    list += ", ";
    list += generic;
    return list;
}

} // namespace

std::string cssFamilies(std::string_view face)
{
    if (design::names(design::songFace, face))
        return familyList({design::songFace.name, design::songFace.englishName}, songFallbacks,
                          "serif");
    if (design::names(design::sansFace, face))
        return familyList({design::sansFace.name}, sansFallbacks, "sans-serif");
    return familyList({face}, sansFallbacks, "sans-serif");
}

std::string cssFontFaces()
{
    return "@font-face { font-family: \"" + std::string(boldlessChineseSans) + "\"; src: local(\""
           + std::string(design::linuxChineseSans) + "\"); font-weight: 400; }\n";
}

std::string cssFont(std::string_view face, double pixels, bool bold)
{
    char size[32];
    const auto written = toChars(size, size + sizeof size, pixels);
    return std::string(bold ? "bold " : "") + std::string(size, written.ptr) + "px "
           + cssFamilies(face);
}

} // namespace platform::web
