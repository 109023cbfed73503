// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every front end takes from the design: which installed face is the design's, the
// focus order, and the pixels of controls and frame lines at a screen's DPI.

#include "design.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

struct FaceCase
{
    const char *name;
    design::Face face;
    std::string_view candidate;
    bool names;
};

class FaceNames : public testing::TestWithParam<FaceCase>
{};

TEST_P(FaceNames, MatchEitherNameWhateverTheCaseOfItsLatinLetters)
{
    EXPECT_EQ(design::names(GetParam().face, GetParam().candidate), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
        Faces, FaceNames,
        testing::Values(FaceCase{"SongByChineseName", design::songFace, "宋体", true},
                        FaceCase{"SongInLowerCase", design::songFace, "simsun", true},
                        FaceCase{"SansInUpperCase", design::sansFace, "MICROSOFT SANS SERIF", true},
                        FaceCase{"AnotherSongFace", design::songFace, "NSimSun", false},
                        FaceCase{"TrailingBlank", design::songFace, "SimSun ", false},
                        FaceCase{"SansIsNotSong", design::sansFace, "宋体", false}),
        RowName());

TEST(TabOrder, VisitsFieldsAndButtonsByTabIndex)
{
    std::vector<std::string_view> names;
    for (const design::TabStop &stop : design::tabOrder)
        names.push_back(stop.name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"Text1", "Text2", "Command1", "Command2",
                                                    "Text3", "Text4", "Text6", "Text7", "Text8",
                                                    "Text5", "Text9"}));
    EXPECT_EQ(design::tabOrder[2].caption, design::buttons[0].caption);
}

struct PixelCase
{
    const char *name;
    design::PixelRect actual;
    design::PixelRect expected;
};

class PixelRects : public testing::TestWithParam<PixelCase>
{};

TEST_P(PixelRects, CutTwipsToWholePixelsAndCloseTheFramesCorners)
{
    const design::PixelRect &a = GetParam().actual, &e = GetParam().expected;
    EXPECT_EQ((std::vector{a.left, a.top, a.width, a.height}),
              (std::vector{e.left, e.top, e.width, e.height}));
}

constexpr design::Rect text8{8880, 6360, 1215, 285};
constexpr design::LineEnds line1{"Line1", 5040, 7080, 9480, 7080};
constexpr design::LineEnds line2{"Line2", 5040, 7080, 5040, 9480};
constexpr design::LineEnds line1Reversed{"Line1", 9480, 7080, 5040, 7080};

INSTANTIATE_TEST_SUITE_P(
        AtDpi, PixelRects,
        testing::Values(
                PixelCase{"ControlAt96", design::pixelRect(text8, 96), {592, 424, 81, 19}},
                PixelCase{"ControlAt144", design::pixelRect(text8, 144), {888, 636, 121, 28}},
                PixelCase{"LineAt96", design::pixelRect(line1, 96), {336, 472, 297, 1}},
                PixelCase{"UprightLineAt96", design::pixelRect(line2, 96), {336, 472, 1, 161}},
                PixelCase{"LineFromItsRightEnd",
                          design::pixelRect(line1Reversed, 96),
                          {336, 472, 297, 1}},
                PixelCase{"LineAt144", design::pixelRect(line1, 144), {504, 708, 445, 1}},
                PixelCase{"LineAt192", design::pixelRect(line1, 192), {672, 944, 594, 2}}),
        RowName());

} // namespace
