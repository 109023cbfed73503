// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The design's faces as CSS font-family lists: the design's own face first where it is
// installed, then the system CJK faces of Windows, macOS and iOS, Android and Linux by name, then
// a generic family, so that no Chinese character is ever drawn as a box.

#include <string>
#include <string_view>

namespace platform::web {

// The font-family list for the face the design or the report names `face`; an unknown face comes
// first in the sans list.
std::string cssFamilies(std::string_view face);

// The @font-face rules the lists name: installed faces under a name of the page's own.
std::string cssFontFaces();

// A CSS font shorthand: weight, size in CSS pixels and cssFamilies(face).
std::string cssFont(std::string_view face, double pixels, bool bold);

} // namespace platform::web
