// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every front end takes from the design that the window tests cannot see: which
// installed face is the design's, the frame's lines at a screen's DPI above 96, and the boxes'
// layout.

#include "box.h"
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

// A short prompt at 144 dpi keeps the box's least width, its buttons widened by a long caption and
// its text as high as a line of the font; a long message at 96 dpi wraps at the most, beside the
// icon, and its buttons stand below the icon.
TEST(BoxLayout, KeepsTheLeastAndMostWidthsAndPlacesTheButtonsAtTheRight)
{
    using Box = std::vector<int>;
    const auto flat = [](const design::BoxLayout &box) {
        Box all{box.width, box.height};
        for (const design::PixelRect &r : {box.icon, box.text, box.line, box.ok, box.cancel})
            all.insert(all.end(), {r.left, r.top, r.width, r.height});
        return all;
    };
    const auto wrappedAt = [](int width) {
        return [width](int at) {
            return at == width ? 26 : -1;
        };
    };
    EXPECT_EQ(flat(design::boxLayout(true, 144, {30, 100, 100}, wrappedAt(508))),
              (Box{540, 164, 0,  0,   0,   0,   16, 16,  508, 30,  16,
                   56,  508, 42, 267, 114, 124, 34, 400, 114, 124, 34}));
    EXPECT_EQ(flat(design::boxLayout(false, 96, {13, 20, 900}, wrappedAt(560))),
              (Box{621, 84, 11, 11,  32, 32, 50, 11, 560, 26, 0,
                   0,   0,  0,  535, 50, 75, 23, 0,  0,   0,  0}));
}

} // namespace
