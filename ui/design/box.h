// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The prompt and message boxes' layout: where the icon, the text, the edit line and the buttons
// stand, in pixels at a DPI, from what the box's font measures of its texts. A front end that
// draws its own boxes places them so; one whose toolkit lays the boxes out takes what it can of
// the measures (the prompt box's least width, the buttons' least width).

#include "design.h"

#include <algorithm>

namespace design {

// The boxes' measures in logical pixels (1/96 inch).
struct BoxMeasures
{
    int margin = 11;
    int gap = 7;            // between the text, the edit line and the buttons
    int buttonGap = 6;      // between two buttons
    int buttonWidth = 75;   // the least; a longer caption widens both buttons alike
    int buttonPadding = 16; // around a button's caption
    int buttonHeight = 23;
    int iconSize = 32;        // the message box's icon
    int promptMinimum = 360;  // a prompt box's least width: a short prompt fits on one line
    int messageMinimum = 160; // a message's text's least width
    int textMaximum = 560;    // a longer text wraps
    int linePadding = 8;      // the edit line's height above the font's
    int lineGap = 4;          // below the edit line, beside gap
};
inline constexpr BoxMeasures boxMeasures{};

// What the box's font measures, in pixels at the box's DPI.
struct BoxText
{
    int fontHeight;   // a line of the font
    int captionWidth; // the wider of the buttons' captions
    int naturalWidth; // the text on one line, unwrapped
};

struct BoxLayout
{
    PixelRect icon; // empty in a prompt box
    PixelRect text;
    PixelRect line; // empty in a message box
    PixelRect ok;
    PixelRect cancel; // empty in a message box
    int width;        // the client area
    int height;
};

// The places in a prompt box (`withLine`) or a message box at `dpi`. The text's width is its
// natural one within the least and most widths; `wrappedHeight(width)` gives its height wrapped
// at that width.
template<typename WrappedHeight>
BoxLayout boxLayout(bool withLine, int dpi, const BoxText &measured, WrappedHeight wrappedHeight)
{
    const auto s = [dpi](int logical) {
        return logical * dpi / logicalDpi;
    };
    const BoxMeasures &m = boxMeasures;
    BoxLayout box{};
    const int button = std::max(s(m.buttonWidth), measured.captionWidth + s(m.buttonPadding));
    const int least = withLine ? s(m.promptMinimum) - 2 * s(m.margin) : s(m.messageMinimum);
    const int textWidth = std::clamp(measured.naturalWidth, least, s(m.textMaximum));
    const int textHeight = std::max(wrappedHeight(textWidth), measured.fontHeight);
    const int left = s(m.margin) + (withLine ? 0 : s(m.iconSize) + s(m.gap));
    int y = s(m.margin);
    if (!withLine)
        box.icon = {s(m.margin), y, s(m.iconSize), s(m.iconSize)};
    box.text = {left, y, textWidth, textHeight};
    y += std::max(textHeight, withLine ? 0 : s(m.iconSize)) + s(m.gap);
    if (withLine) {
        box.line = {left, y, textWidth, measured.fontHeight + s(m.linePadding)};
        y += box.line.height + s(m.gap) + s(m.lineGap);
    }
    const int right = left + textWidth;
    box.ok = {right - button, y, button, s(m.buttonHeight)};
    if (withLine) {
        box.cancel = box.ok;
        box.ok.left -= button + s(m.buttonGap);
    }
    box.width = right + s(m.margin);
    box.height = y + s(m.buttonHeight) + s(m.margin);
    return box;
}

} // namespace design
