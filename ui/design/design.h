// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The design of the window Brannock as data, for every front end: each control's name, place and
// size in twips, caption, font, colour and tab position, the red double frame, the opening size,
// and the prompt boxes' title and buttons; with the rules every front end follows: each
// control's font, the focus order, the controls' and lines' pixels at a DPI, a field's name for a
// screen reader. Positions count from the client area's top-left corner and never change.
// Captions come from texts.h, faces and fonts from typography.h, twips (1/1440 inch) and their
// pixels from units.h; the boxes' layout is in box.h. Nothing here knows a toolkit.

#include "texts.h"
#include "typography.h"
#include "units.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace design {

namespace texts = adjustment::texts;

// A control's rectangle in twips: top-left corner and size.
struct Rect
{
    int left;
    int top;
    int width;
    int height;
};

// A colour as red, green and blue from 0 to 255.
struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

inline constexpr Rgb windowColour{192, 255, 255}; // the window and the labels' background
inline constexpr Rgb buttonColour{255, 192, 192}; // the buttons' faces
inline constexpr Rgb lineColour{255, 0, 0};       // the frame's lines
// Every caption, on labels and buttons alike. It is fixed because the backgrounds are: a theme's
// text colour (light under a dark theme) would be unreadable on them.
inline constexpr Rgb captionColour{0, 0, 0};
// The fields and the prompt and message boxes keep the system's colours.

struct Field
{
    std::string_view name;
    Rect box;
    int tabIndex;
};

struct Button
{
    std::string_view name;
    Rect box;
    int tabIndex;
    std::string_view caption;
};

struct Label
{
    std::string_view name;
    Rect box;
    std::string_view caption;
    Font font;
};

struct LineEnds
{
    std::string_view name;
    int x1;
    int y1;
    int x2;
    int y2;
};

inline constexpr std::string_view windowName = "Brannock";
inline constexpr std::string_view windowCaption = texts::ProgramName;
// The prompt and message boxes: their title and buttons.
inline constexpr std::string_view boxCaption = texts::ProgramName;
inline constexpr std::string_view okCaption = texts::Ok;
inline constexpr std::string_view cancelCaption = texts::Cancel;

// Fields and buttons share one tab order, by tabIndex; labels and lines take no focus.
inline constexpr std::array<Field, 9> fields{{
        {"Text1", {7560, 5640, 975, 285}, 1},
        {"Text2", {8880, 5640, 975, 285}, 2},
        {"Text3", {5880, 6360, 1215, 285}, 11},
        {"Text4", {7440, 6360, 1095, 285}, 12},
        {"Text5", {4560, 5640, 2655, 285}, 18},
        {"Text6", {6120, 8040, 975, 285}, 13},
        {"Text7", {7560, 8040, 1095, 285}, 14},
        {"Text8", {8880, 6360, 1215, 285}, 16},
        {"Text9", {4560, 6360, 975, 285}, 20},
}};

// The most characters a field or the prompt box's edit line takes: no limit a user could reach,
// so a long reply is never cut without a word. (Win32 takes it as its own most, 0x7FFFFFFE.)
inline constexpr int noLengthLimit = std::numeric_limits<int>::max();

// Neither button is a default or cancel button: Enter and Esc in a field click none.
inline constexpr std::array<Button, 2> buttons{{
        {"Command1", {6240, 8520, 975, 495}, 9, texts::Command1},
        {"Command2", {7440, 8520, 975, 495}, 10, texts::Command2},
}};

// Captions are drawn from the top-left corner of their box, on one line.
inline constexpr std::array<Label, 19> labels{{
        {"Label1", {5880, 4800, 3015, 375}, texts::Label1, Font::Title},
        {"Label2", {6360, 7800, 615, 255}, texts::Label2, Font::Standard},
        {"Label4", {5760, 6120, 1575, 255}, texts::Label4, Font::Standard},
        {"Label5", {7680, 6120, 615, 255}, texts::Label5, Font::Standard},
        {"Label6", {6480, 7440, 2175, 255}, texts::Label6, Font::Heading},
        {"Label7", {7680, 7800, 615, 255}, texts::Label7, Font::Standard},
        {"Label9", {9000, 6120, 975, 255}, texts::Label9, Font::Standard},
        {"Label10", {5160, 5400, 1455, 255}, texts::Label10, Font::Standard},
        {"Label11", {4800, 6120, 615, 255}, texts::Label11, Font::Standard},
        {"Label12", {7200, 5640, 375, 255}, texts::Label12, Font::Standard},
        {"Label13", {8520, 5640, 375, 255}, texts::Label13, Font::Standard},
        {"Label14", {7560, 5400, 975, 255}, texts::Label14, Font::Standard},
        {"Label15", {8880, 5400, 975, 255}, texts::Label15, Font::Standard},
        {"Label16", {4200, 6360, 375, 255}, texts::Label16, Font::Standard},
        {"Label17", {7080, 6360, 375, 255}, texts::Label17, Font::Standard},
        {"Label18", {5640, 6360, 255, 255}, texts::Label18, Font::Standard},
        {"Label19", {8520, 6360, 375, 255}, texts::Label19, Font::Standard},
        {"Label20", {5760, 8040, 375, 255}, texts::Label20, Font::Standard},
        {"Label21", {7200, 8040, 375, 255}, texts::Label21, Font::Standard},
}};

// Drawn lineWidth() wide, both end points included, so the frame's corners close.
inline constexpr std::array<LineEnds, 8> lines{{
        {"Line1", 5040, 7080, 9480, 7080},
        {"Line2", 5040, 7080, 5040, 9480},
        {"Line3", 5040, 9480, 9480, 9480},
        {"Line4", 9480, 7080, 9480, 9480},
        {"Line5", 5160, 7200, 9360, 7200},
        {"Line6", 5160, 9360, 9360, 9360},
        {"Line7", 5160, 7200, 5160, 9360},
        {"Line8", 9360, 7200, 9360, 9360},
}};

// The font each control is drawn in: a label's own, the standard font for fields and buttons.
constexpr Font fontOf(const Label &label)
{
    return label.font;
}
constexpr Font fontOf(const Field &)
{
    return Font::Standard;
}
constexpr Font fontOf(const Button &)
{
    return Font::Standard;
}

// The window's controls take the first windowFonts fonts in Font's order (not the boxes' font):
// a front end makes those once and gives a control the one at the index of fontOf(control).
inline constexpr std::size_t windowFonts = 3;
static_assert(std::all_of(labels.begin(), labels.end(),
                          [](const Label &label) {
                              return static_cast<std::size_t>(fontOf(label)) < windowFonts;
                          })
                      && static_cast<std::size_t>(Font::Standard) < windowFonts,
              "every control's font is one of the window's");

// The window's fonts as a front end makes them, make(font) for each of the first windowFonts in
// Font's order, once; of(control) is the control's.
template<typename Made>
class WindowFonts
{
public:
    WindowFonts() = default; // none made yet
    template<typename Make>
    explicit WindowFonts(Make make)
    {
        for (std::size_t i = 0; i < windowFonts; ++i)
            m_fonts[i] = make(static_cast<Font>(i));
    }
    template<typename Control>
    const Made &of(const Control &control) const
    {
        return m_fonts[static_cast<std::size_t>(fontOf(control))];
    }

private:
    std::array<Made, windowFonts> m_fonts;
};

// A rectangle in pixels: top-left corner and size.
struct PixelRect
{
    int left;
    int top;
    int width;
    int height;
};

// A control's rectangle at `dpi` dots per inch: each of its twips values in whole pixels, so that
// it is px() of each at logicalDpi.
constexpr PixelRect pixelRect(const Rect &box, int dpi)
{
    return {pixels(box.left, dpi), pixels(box.top, dpi), pixels(box.width, dpi),
            pixels(box.height, dpi)};
}

// A frame line's width at `dpi`: one pixel at logicalDpi, whole multiples of it on denser screens.
constexpr int lineWidth(int dpi)
{
    return std::max(1, dpi / logicalDpi);
}

// A frame line's rectangle at `dpi`: from its upper or left end, both end points included.
constexpr PixelRect pixelRect(const LineEnds &line, int dpi)
{
    const auto span = [](int a, int b) {
        return a < b ? b - a : a - b;
    };
    return {pixels(std::min(line.x1, line.x2), dpi), pixels(std::min(line.y1, line.y2), dpi),
            pixels(span(line.x1, line.x2), dpi) + lineWidth(dpi),
            pixels(span(line.y1, line.y2), dpi) + lineWidth(dpi)};
}

// A field or a button, in the order Tab visits them.
struct TabStop
{
    std::string_view name;
    std::string_view caption; // a button's; empty for a field
    bool button;
};

// The fields and buttons sorted by tabIndex: the focus starts at the first, Tab wraps after the
// last.
inline constexpr std::array<TabStop, fields.size() + buttons.size()> tabOrder = [] {
    std::array<std::pair<int, TabStop>, fields.size() + buttons.size()> stops{};
    std::size_t count = 0;
    for (const Field &field : fields)
        stops[count++] = {field.tabIndex, {field.name, {}, false}};
    for (const Button &button : buttons)
        stops[count++] = {button.tabIndex, {button.name, button.caption, true}};
    std::sort(stops.begin(), stops.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    std::array<TabStop, fields.size() + buttons.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = stops[i].second;
    return order;
}();

// Each field's heading label above it and symbol label to its left (none for Text5). They name
// the field for a screen reader and are its labels.
struct FieldLabels
{
    std::string_view field;
    std::string_view heading;
    std::string_view symbol; // empty when the field has none
};

inline constexpr std::array<FieldLabels, 9> fieldLabels{{
        {"Text1", "Label14", "Label12"},
        {"Text2", "Label15", "Label13"},
        {"Text3", "Label4", "Label18"},
        {"Text4", "Label5", "Label17"},
        {"Text5", "Label10", {}},
        {"Text6", "Label2", "Label20"},
        {"Text7", "Label7", "Label21"},
        {"Text8", "Label9", "Label19"},
        {"Text9", "Label11", "Label16"},
}};

// The index in `table` (fields, buttons or labels) of the control of that name; table.size() when
// there is none.
template<typename Table>
constexpr std::size_t indexOf(const Table &table, std::string_view name)
{
    std::size_t index = 0;
    while (index < table.size() && table[index].name != name)
        ++index;
    return index;
}

constexpr std::size_t labelIndex(std::string_view name)
{
    return indexOf(labels, name);
}

static_assert(
        [] {
            for (const FieldLabels &names : fieldLabels) {
                if (labelIndex(names.heading) == labels.size()
                    || (!names.symbol.empty() && labelIndex(names.symbol) == labels.size()))
                    return false;
            }
            return true;
        }(),
        "every field's labels are in the layout");

// What a screen reader calls a field, as UTF-8: its heading's caption without the blanks that
// spread its characters on screen, then a blank and its symbol's caption without blanks around
// it ("起始点高程 Ha"); the heading alone for a field without a symbol.
std::string spokenName(const FieldLabels &names);

// The layout's right and bottom edges (right of Text8, bottom of the outer frame) plus the
// margin the window opens with: its client area's size in twips.
constexpr int openMargin = 240;
constexpr int openWidth = 8880 + 1215 + openMargin;
constexpr int openHeight = 9480 + openMargin;

} // namespace design
