// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every front end takes from the design that the window tests cannot see: which
// installed face is the design's, and the frame's lines at a screen's DPI above 96.

#include "design.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <array>
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
        testing::Values(FaceCase{"SongInLowerCase", design::songFace, "simsun", true},
                        FaceCase{"SansInUpperCase", design::sansFace, "MICROSOFT SANS SERIF", true},
                        FaceCase{"AnotherSongFace", design::songFace, "NSimSun", false}),
        RowName());

// Line1, from (5040, 7080) to (9480, 7080): one pixel wide up to 191 dpi, both ends included.
TEST(FrameLines, CloseTheCornersAndThickenAtTwiceTheDpi)
{
    const design::LineEnds line1 = design::lines.front();
    for (const auto &[dpi, left, top, width, height] :
         std::vector<std::array<int, 5>>{{144, 504, 708, 445, 1}, {192, 672, 944, 594, 2}}) {
        const design::PixelRect box = design::pixelRect(line1, dpi);
        EXPECT_EQ((std::vector{box.left, box.top, box.width, box.height}),
                  (std::vector{left, top, width, height}))
                << dpi << " dpi";
    }
}

} // namespace
