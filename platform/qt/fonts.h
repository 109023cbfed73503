// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Maps the font names the program asks for to installed families. Han fallback is named
// explicitly instead of being left to fontconfig, which picks a Japanese variant of a CJK font
// for Chinese text under an English or C locale.

#include <QFont>
#include <QStringList>

namespace platform::qt {

// Installed families to try, in order, for a requested font name: "宋体" gives SimSun where
// installed, else "AR PL UMing CN"; "Microsoft Sans Serif" gives itself or a Latin sans, with
// "WenQuanYi Zen Hei" behind it for Chinese text. Never empty.
QStringList fontFamilies(const QString &name);

// A font with the families of `name`, `pixelSize` pixels high, bold or not.
QFont fontFor(const QString &name, int pixelSize, bool bold);

} // namespace platform::qt
