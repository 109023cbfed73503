// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's layout: every control's name, place and size in twips (1/1440 inch), its
// caption and font. Positions count from the client area's top-left corner and never change.

#include <array>

namespace ui::layout {

// 15 twips make one logical pixel (96 dots per inch); Qt scales logical pixels on other screens.
constexpr int twipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips / twipsPerPixel;
}

enum class Font {
    Standard, // "Microsoft Sans Serif" 8.25 pt bold
    Title,    // "宋体" 15.75 pt bold
    Heading,  // "宋体" 12 pt bold
};

// Font sizes in pixels at 96 dots per inch: 8.25 pt, 15.75 pt, 12 pt.
constexpr int standardPixelSize = 11;
constexpr int titlePixelSize = 21;
constexpr int headingPixelSize = 16;

// A control's rectangle: top-left corner and size.
struct Rect
{
    int left;
    int top;
    int width;
    int height;
};

struct Field
{
    const char *name;
    Rect box;
    int tabIndex;
};

struct Button
{
    const char *name;
    Rect box;
    int tabIndex;
    const char *caption; // UTF-8
};

struct Label
{
    const char *name;
    Rect box;
    const char *caption; // UTF-8
    Font font;
};

struct LineEnds
{
    const char *name;
    int x1;
    int y1;
    int x2;
    int y2;
};

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

inline constexpr std::array<Button, 2> buttons{{
        {"Command1", {6240, 8520, 975, 495}, 9, "进行计 算"},
        {"Command2", {7440, 8520, 975, 495}, 10, "退出计算"},
}};

inline constexpr std::array<Label, 19> labels{{
        {"Label1", {5880, 4800, 3015, 375}, "B r a n n o c k", Font::Title},
        {"Label2", {6360, 7800, 615, 255}, "点  名", Font::Standard},
        {"Label4", {5760, 6120, 1575, 255}, "距离(前后视距和)", Font::Standard},
        {"Label5", {7680, 6120, 615, 255}, "高   差 ", Font::Standard},
        {"Label6", {6480, 7440, 2175, 255}, "( 计 算 结 果 ）", Font::Heading},
        {"Label7", {7680, 7800, 615, 255}, "高   程", Font::Standard},
        {"Label9", {9000, 6120, 975, 255}, "高差闭合差 ", Font::Standard},
        {"Label10", {5160, 5400, 1455, 255}, "未知点个数说明", Font::Standard},
        {"Label11", {4800, 6120, 615, 255}, "点  名  ", Font::Standard},
        {"Label12", {7200, 5640, 375, 255}, " Ha", Font::Standard},
        {"Label13", {8520, 5640, 375, 255}, " Hb", Font::Standard},
        {"Label14", {7560, 5400, 975, 255}, "起始点高程 ", Font::Standard},
        {"Label15", {8880, 5400, 975, 255}, "闭合点高程 ", Font::Standard},
        {"Label16", {4200, 6360, 375, 255}, " N$", Font::Standard},
        {"Label17", {7080, 6360, 375, 255}, " dh", Font::Standard},
        {"Label18", {5640, 6360, 255, 255}, " S", Font::Standard},
        {"Label19", {8520, 6360, 375, 255}, " Fh", Font::Standard},
        {"Label20", {5760, 8040, 375, 255}, " N$", Font::Standard},
        {"Label21", {7200, 8040, 375, 255}, " Hp", Font::Standard},
}};

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

// Each field's heading label above it and symbol label to its left (none for Text5). They name
// the field for a screen reader and are its buddies.
struct FieldLabels
{
    const char *field;
    const char *heading;
    const char *symbol; // null when the field has none
};

inline constexpr std::array<FieldLabels, 9> fieldLabels{{
        {"Text1", "Label14", "Label12"},
        {"Text2", "Label15", "Label13"},
        {"Text3", "Label4", "Label18"},
        {"Text4", "Label5", "Label17"},
        {"Text5", "Label10", nullptr},
        {"Text6", "Label2", "Label20"},
        {"Text7", "Label7", "Label21"},
        {"Text8", "Label9", "Label19"},
        {"Text9", "Label11", "Label16"},
}};

// The layout's right and bottom edges (right of Text8, bottom of the outer frame) plus the
// margin the window opens with.
constexpr int openMargin = 240;
constexpr int openWidth = 8880 + 1215 + openMargin;
constexpr int openHeight = 9480 + openMargin;

} // namespace ui::layout
