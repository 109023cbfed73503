// SPDX-License-Identifier: GPL-3.0-or-later
// The design data every front end builds its window from.

#include "row_name.h"

#include "design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

struct Spoken
{
    const char *name; // the field's
    const char *spoken;
};

const Spoken spoken[] = {
        {"Text1", "起始点高程 Ha"}, {"Text2", "闭合点高程 Hb"},  {"Text3", "距离(前后视距和) S"},
        {"Text4", "高差 dh"},       {"Text5", "未知点个数说明"}, {"Text6", "点名 N$"},
        {"Text7", "高程 Hp"},       {"Text8", "高差闭合差 Fh"},  {"Text9", "点名 N$"},
};

class EveryField : public ::testing::TestWithParam<Spoken>
{};

TEST_P(EveryField, IsSpokenAsItsHeadingWithoutBlanksThenItsSymbol)
{
    const auto *names = std::find_if(design::fieldLabels.begin(), design::fieldLabels.end(),
                                     [](const auto &row) { return row.field == GetParam().name; });
    ASSERT_NE(names, design::fieldLabels.end());
    EXPECT_EQ(design::spokenName(*names), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(ScreenReader, EveryField, ::testing::ValuesIn(spoken), RowName());

TEST(Design, GivesTheFontsInPointsAtTheirPixelSizes)
{
    EXPECT_EQ(design::pixelSize(design::fontSpec(design::Font::Standard)), 11);
    EXPECT_EQ(design::pixelSize(design::fontSpec(design::Font::Title)), 21);
    EXPECT_EQ(design::pixelSize(design::fontSpec(design::Font::Heading)), 16);
    EXPECT_EQ(design::pixelSize(design::fontSpec(design::Font::Boxes)), 12);
}

// A place that is no whole number of pixels, or a tab position taken twice, would lay out or
// visit controls differently in each front end.
TEST(Design, PlacesControlsOnWholePixelsAndGivesEachItsOwnTabPosition)
{
    std::set<int> tabs;
    auto whole = [](int twips) {
        return twips % design::twipsPerPixel == 0;
    };
    for (const auto &field : design::fields) {
        EXPECT_TRUE(whole(field.box.left) && whole(field.box.top) && whole(field.box.width)
                    && whole(field.box.height))
                << field.name;
        EXPECT_TRUE(tabs.insert(field.tabIndex).second) << field.name;
    }
    for (const auto &button : design::buttons) {
        EXPECT_TRUE(whole(button.box.left) && whole(button.box.top)) << button.name;
        EXPECT_TRUE(tabs.insert(button.tabIndex).second) << button.name;
    }
    for (const auto &label : design::labels)
        EXPECT_TRUE(whole(label.box.left) && whole(label.box.top)) << label.name;
}

} // namespace
