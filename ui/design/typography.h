// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The design's typefaces and fonts, by name, size and weight, and which installed face a name
// stands for. Nothing here knows a toolkit.

#include "units.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace design {

// A typeface by the name the design gives it and by its English name (the same when it has only
// one); a toolkit that cannot find either stands in an installed face of the same kind.
struct Face
{
    std::string_view name; // UTF-8
    std::string_view englishName;
};

inline constexpr Face sansFace{"Microsoft Sans Serif", "Microsoft Sans Serif"};
inline constexpr Face songFace{"宋体", "SimSun"};

// Where the design's faces are not installed, a Linux system's stand-ins, in the Linux program and
// the web page alike: Latin text in the first of linuxLatinSans found, Han text in
// linuxChineseSans, the Song face's text in linuxSong.
inline constexpr std::array<std::string_view, 2> linuxLatinSans{"Liberation Sans", "DejaVu Sans"};
inline constexpr std::string_view linuxChineseSans = "WenQuanYi Zen Hei";
inline constexpr std::string_view linuxSong = "AR PL UMing CN";

// Whether two names are the same, the case of ASCII letters aside, as font systems and the
// Windows spooler match names.
constexpr bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [lower](char x, char y) { return lower(x) == lower(y); });
}

// Whether `name` is one of the face's names, by sameName: "simsun" names songFace.
constexpr bool names(const Face &face, std::string_view name)
{
    return sameName(name, face.name) || sameName(name, face.englishName);
}

// The character set a face is asked for with, where a toolkit asks for one (Win32's lfCharSet).
enum class Charset {
    Default, // DEFAULT_CHARSET
    Gb2312,  // GB2312_CHARSET: Simplified Chinese
};

enum class Font {
    Standard, // every control but Label1 and Label6
    Title,    // Label1
    Heading,  // Label6
    Boxes,    // the prompt and message boxes' text
};

struct FontSpec
{
    Font font;
    Face face;
    double points;
    bool bold;
    Charset charset;
};

inline constexpr std::array<FontSpec, 4> fonts{{
        {Font::Standard, sansFace, 8.25, true, Charset::Default},
        {Font::Title, songFace, 15.75, true, Charset::Gb2312},
        {Font::Heading, songFace, 12, true, Charset::Gb2312},
        {Font::Boxes, sansFace, 9, false, Charset::Default},
}};

constexpr const FontSpec &fontSpec(Font font)
{
    for (const FontSpec &style : fonts) {
        if (style.font == font)
            return style;
    }
    return fonts.front();
}

// A font's height in logical pixels at 96 dots per inch: 8.25 pt is 11 px, 15.75 pt 21 px.
constexpr int pixelSize(const FontSpec &style)
{
    return px(static_cast<int>(style.points * twipsPerPoint + 0.5));
}

} // namespace design
