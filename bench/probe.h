// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the small Qt programs of the cost benchmarks share: the application set up as the
// program's main() does, a monotonic clock the driver reads too, and the way they report.
// Each program prints "key value" lines on standard output; the driver reads them.

#include "fonts.h"

#include <QApplication>
#include <QString>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string_view>

namespace bench {

// Nanoseconds on CLOCK_MONOTONIC: one clock for every process, so the driver can subtract the
// moment it forked from the moment a child saw its window painted.
inline std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The application's names and font, exactly as app/qt/main.cpp sets them.
inline void setUpLikeTheProgram()
{
    QApplication::setApplicationName(QStringLiteral("Brannock"));
    QApplication::setDesktopFileName(QStringLiteral("brannock"));
    QApplication::setFont(platform::qt::fontFor(design::Font::Boxes));
}

// The first argument as a whole number, or `fallback` when there is none.
inline int countArgument(int argc, char *argv[], int fallback)
{
    int count = fallback;
    if (argc > 1)
        std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), count);
    return count;
}

// Writes "key value\n" on standard output, unbuffered by locale.
inline void report(std::string_view key, std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::fwrite(key.data(), 1, key.size(), stdout);
    std::fputc(' ', stdout);
    std::fwrite(digits, 1, static_cast<std::size_t>(end - digits), stdout);
    std::fputc('\n', stdout);
}

} // namespace bench
