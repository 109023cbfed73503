// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Maps the faces the design and the report name to installed faces, and makes GDI fonts of them.

#include "design.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace platform::win32 {

// The installed face for a face name: the design's Song face (by a name that design::names takes)
// gives itself where installed, else a face with Chinese glyphs (Microsoft YaHei, SimHei, NSimSun),
// so that Chinese text never shows as boxes; any other name gives itself, and font linking supplies
// the Chinese glyphs behind it.
std::wstring installedFace(std::string_view name);

// Deletes a GDI object it owns.
struct GdiObjectDeleter
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

// A font of the face `name` (mapped by installedFace), `points` high at `dpi` dots per inch.
FontHandle createFont(std::string_view name, double points, bool bold, int dpi,
                      design::Charset charset = design::Charset::Default);

// One of the design's fonts at `dpi`.
FontHandle createFont(design::Font font, int dpi);

} // namespace platform::win32
