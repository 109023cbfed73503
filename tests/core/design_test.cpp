// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every front end takes from the design: which installed face is the design's.

#include "design.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <string_view>

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
                        FaceCase{"SongByEnglishName", design::songFace, "SimSun", true},
                        FaceCase{"SongInLowerCase", design::songFace, "simsun", true},
                        FaceCase{"SansInUpperCase", design::sansFace, "MICROSOFT SANS SERIF", true},
                        FaceCase{"AnotherSongFace", design::songFace, "NSimSun", false},
                        FaceCase{"APrefix", design::songFace, "Sim", false},
                        FaceCase{"TrailingBlank", design::songFace, "SimSun ", false},
                        FaceCase{"SansIsNotSong", design::sansFace, "宋体", false}),
        RowName());

} // namespace
