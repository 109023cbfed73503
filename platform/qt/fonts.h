// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Maps the faces the design names to installed families. Han fallback is named explicitly
// instead of being left to fontconfig, which picks a Japanese variant of a CJK font for Chinese
// text under an English or C locale.

#include "design.h"

#include <QFont>
#include <QStringList>

namespace platform::qt {

// Installed families to try, in order, for a face name: the design's Song face (by a name that
// design::names takes) gives itself where installed, else "AR PL UMing CN"; its sans face gives
// itself or a Latin sans, with "WenQuanYi Zen Hei" behind it for Chinese text; any other name gives
// itself with that Chinese fallback behind it. Never empty.
QStringList fontFamilies(const QString &name);

// A font with the families of `name`, `pixelSize` pixels high, bold or not.
QFont fontFor(const QString &name, int pixelSize, bool bold);

// One of the design's fonts, at its size in logical pixels.
QFont fontFor(design::Font font);

} // namespace platform::qt
