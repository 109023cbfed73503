// SPDX-License-Identifier: GPL-3.0-or-later
// Where a line too long for the paper is cut.

#include "line_break.h"

#include <algorithm>

namespace platform {

namespace {

constexpr std::size_t minimumWindow = 256; // code points

bool isHan(char32_t c)
{
    return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF)
           || (c >= 0x20000 && c <= 0x3FFFF);
}

bool isBlank(char32_t c)
{
    return c == U' ' || c == 0x3000;
}

// The code points of a UTF-8 text and the byte at which each begins. A byte that begins no valid
// sequence stands for itself, so that no text is lost; the front ends give valid UTF-8, so that a
// device's count of malformed text may differ by a character or two without harm.
struct Decoded
{
    std::u32string codePoints;
    std::vector<std::size_t> starts; // one more than codePoints: the text's end last
};

Decoded decode(std::string_view text)
{
    Decoded decoded;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t value = lead;
        bool valid = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4 && at + length <= text.size());
        if (valid && length > 1) {
            value = lead & (0x7F >> length);
            for (std::size_t i = 1; i < length && valid; ++i) {
                const auto next = static_cast<unsigned char>(text[at + i]);
                valid = (next & 0xC0) == 0x80;
                value = (value << 6) | (next & 0x3F);
            }
        }
        decoded.codePoints.push_back(valid ? value : lead);
        decoded.starts.push_back(at);
        at += valid ? length : 1;
    }
    decoded.starts.push_back(text.size());
    return decoded;
}

} // namespace

std::size_t codePoints(std::string_view text)
{
    return static_cast<std::size_t>(
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::size_t lineCut(std::u32string_view text, std::size_t fits)
{
    if (fits >= text.size())
        return text.size();
    if (isBlank(text[fits])) {
        std::size_t cut = fits;
        while (cut < text.size() && isBlank(text[cut]))
            ++cut;
        return cut;
    }
    for (std::size_t cut = fits; cut > 0; --cut) {
        if (isBlank(text[cut - 1]) || (isHan(text[cut - 1]) && isHan(text[cut])))
            return cut;
    }
    return std::max<std::size_t>(fits, 1);
}

std::vector<std::string> breakLine(const std::string &text, const Fitting &fits)
{
    const Decoded decoded = decode(text);
    const std::size_t count = decoded.codePoints.size();
    std::vector<std::string> pieces;
    // The device measures a window of the rest, twice the last piece and widened while all of it
    // fits, not the whole rest: a very long name is then measured in time that grows with its
    // length, not with its square.
    std::size_t window = minimumWindow;
    for (std::size_t first = 0; first < count;) {
        std::size_t fit = 0;
        for (;;) {
            const std::size_t end = std::min(count, first + window);
            fit = fits(std::string_view(text).substr(decoded.starts[first],
                                                     decoded.starts[end] - decoded.starts[first]));
            if (fit < end - first || end == count)
                break;
            window *= 2;
        }
        const std::size_t cut = lineCut(std::u32string_view(decoded.codePoints).substr(first), fit);
        pieces.push_back(text.substr(decoded.starts[first],
                                     decoded.starts[first + cut] - decoded.starts[first]));
        first += cut;
        window = std::max(minimumWindow, 2 * cut);
    }
    return pieces;
}

} // namespace platform
