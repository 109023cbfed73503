// SPDX-License-Identifier: GPL-3.0-or-later

#include "run.h"
#include "texts.h"

#include "scripted_platform.h"

#include "routes.h"
#include "row_name.h"
#include "run_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using adjustment::RunEnd;
using platform::Field;
using platform::ScriptedPlatform;
namespace texts = adjustment::texts;

namespace {

using kit::Lines;

std::string ask(std::string_view prompt)
{
    return "ask: " + std::string(prompt);
}

const Lines kExampleReplies = kit::exampleRoute().replies;

TEST(Run, ExampleRouteAsksWritesStepsAndPrintsInOrder)
{
    ScriptedPlatform platform(kExampleReplies);
    ASSERT_EQ(kit::runScript(platform), RunEnd::Completed);

    const Lines expected = {
            ask(texts::P1),
            "Text5=  附合水准路线共有1个待定点",
            ask(texts::P2),
            "Text1= 10",
            ask(texts::ConfirmHa.c1),
            ask(texts::ConfirmHa.r),
            "Text1= 10.000",
            ask(texts::ConfirmHa.c2),
            ask(texts::P3),
            "Text2= 10.5",
            ask(texts::ConfirmHb.c1),
            ask(texts::P4),
            ask("请输入第1 个待定点的点名  :"),
            "Text9= P1",
            ask("请输入第1 段前后视距离 S  :"),
            "Text3=  120",
            ask(texts::ConfirmS.c1),
            ask(texts::P6),
            "Text4= 0.2",
            ask(texts::ConfirmDH.c1),
            ask(texts::P5),
            ask("请输入第2 段前后视距离 S  :"),
            "Text3=  280",
            ask(texts::ConfirmS.c1),
            ask(texts::P6),
            "Text4= 0.31",
            ask(texts::ConfirmDH.c1),
            "Text8=10毫米",
            "Text3=  400",
            ask(texts::StepPrompt),
            "Text6=  A",
            "Text7=10",
            ask(texts::StepPrompt),
            "Text6=  P1",
            "Text7=10.197",
            ask(texts::StepPrompt),
            "Text6=  B",
            "Text7=10.5",
            "position 2000 1000",
            "font 宋体",
            "size 12",
            "line 30 [Tarnovel]",
            "empty line",
            "size 10",
            "line 23 [起始点A 高程  :   Ha=][10.000 米]",
            "line 23 [闭合点B 高程  :   Hb=][10.500 米]",
            "empty line",
            "line 26 [A :][10.000 米]",
            "line 26 [P1 :][10.197 米]",
            "line 26 [B :][10.500 米]",
            "empty line",
            "line 24 [路线闭合差 : fh=][0.010 米]",
            "end document",
    };
    EXPECT_EQ(platform.log(), expected);
    EXPECT_EQ(platform.repliesLeft(), 0u);
}

// The prompts in these tests are exact literals, so a changed text is caught here even where
// the texts table itself was edited.
TEST(Run, PromptTextsAreExact)
{
    ScriptedPlatform platform(kExampleReplies);
    kit::runScript(platform);
    const Lines prompts = platform.logOf("ask: ");
    ASSERT_EQ(prompts.size(), 21u);
    EXPECT_EQ(prompts[0], "请输入待定点的点数 N  : (不包括闭合点在内)");
    EXPECT_EQ(prompts[1], "请输入起始点的高程 Ha ");
    EXPECT_EQ(prompts[2],
              "起始点的高程 Ha 输入是否正确? 输入正确按输入键(即为:Enter键 );输入错误按零(即为:0 ");
    EXPECT_EQ(prompts[3], "输入起始点正确的高程 Ha ");
    EXPECT_EQ(prompts[4], "这次起始点高程 Ha 输入是否正确? 输入正确按输入键(即为:Enter键 "
                          ");输入错误按零( 即为:0 )");
    EXPECT_EQ(prompts[5], "请输入闭合点的高程 Hb ");
    EXPECT_EQ(
            prompts[6],
            "闭合点的高程 Hb 输入是否正确? 输入正确按输入键(即为:Enter键 );输入错误按零( 即为:0 )");
    EXPECT_EQ(prompts[7], "请输入起始点的点名  :");
    EXPECT_EQ(prompts[10],
              "确认输入的前后视距离  ?  正确按输入键( 即为:Enter键 ); 错误按零( 即为:0 )");
    EXPECT_EQ(prompts[11], "请输入高差 DH  :");
    EXPECT_EQ(prompts[12], "确认输入的高差  ? 正确按输入键( 即为:Enter键 );错误按零( 即为:0 )");
    EXPECT_EQ(prompts[13], "请输入闭合点的点名  :");
    EXPECT_EQ(prompts[18], "需要显示待定点的高程，请输入 M 不等于零的任意数");
    EXPECT_EQ(texts::ConfirmHb.r, "输入闭合点正确的高程 Hb ");
    EXPECT_EQ(texts::ConfirmHb.c2, "这次闭合点的高程 Hb 输入是否正确? "
                                   "输入正确按输入键(即为:Enter键 );输入错误按零( 即为:0 )");
    EXPECT_EQ(texts::ConfirmS.r, "输入正确的前后视距离 S  :");
    EXPECT_EQ(texts::ConfirmS.c2,
              "确认前后视距离输入是否正确  ?  正确按输入键( 即为:Enter键 ); 错误按零( 即为:0 ) ");
    EXPECT_EQ(texts::ConfirmDH.r, "输入正确的高差  :");
    EXPECT_EQ(texts::ConfirmDH.c2,
              "这次高差 DH 输入是否正确? 输入正确按输入键(即为:Enter键 );输入错误按零(即为:0 ");
}

TEST(Run, NoPointsToDetermineIsOneSegmentFromAToB)
{
    ScriptedPlatform platform({"0", "100", "", "101", "", "A", "B", "50", "", "1.004", "", "", ""});
    ASSERT_EQ(kit::runScript(platform), RunEnd::Completed);
    const Lines expectedPrompts = {texts::P1.data(),           texts::P2.data(),
                                   texts::ConfirmHa.c1.data(), texts::P3.data(),
                                   texts::ConfirmHb.c1.data(), texts::P4.data(),
                                   texts::P5.data(),           "请输入第1 段前后视距离 S  :",
                                   texts::ConfirmS.c1.data(),  texts::P6.data(),
                                   texts::ConfirmDH.c1.data(), texts::StepPrompt.data(),
                                   texts::StepPrompt.data()};
    EXPECT_EQ(platform.logOf("ask: "), expectedPrompts);
    EXPECT_TRUE(platform.logOf("Text9=").empty());
    EXPECT_EQ(platform.fieldText(Field::Text5), "  附合水准路线共有0个待定点");
    EXPECT_EQ(platform.fieldText(Field::Text8), "4毫米");
    EXPECT_EQ(platform.printedLines(),
              (Lines{"Tarnovel", "", "起始点A 高程  :   Ha=100.000 米",
                     "闭合点B 高程  :   Hb=101.000 米", "", "A :100.000 米", "B :101.000 米", "",
                     "路线闭合差 : fh=0.004 米"}));
}

TEST(Run, ThreeReentriesAskC1ThenC2ThreeTimes)
{
    ScriptedPlatform platform({"0", "5", "0", "6", "0", "7", "0", "8", "", "6", "", "A", "B", "10",
                               "", "1", "", "", ""});
    ASSERT_EQ(kit::runScript(platform), RunEnd::Completed);
    const Lines prompts = platform.logOf("ask: ");
    const Lines expected
            = {texts::P2.data(),           texts::ConfirmHa.c1.data(), texts::ConfirmHa.r.data(),
               texts::ConfirmHa.c2.data(), texts::ConfirmHa.r.data(),  texts::ConfirmHa.c2.data(),
               texts::ConfirmHa.r.data(),  texts::ConfirmHa.c2.data()};
    EXPECT_EQ(Lines(prompts.begin() + 1, prompts.begin() + 9), expected);
    EXPECT_EQ(platform.logOf("Text1="), (Lines{" 5", " 6", " 7", " 8"}));
    EXPECT_EQ(platform.printedLines()[2], "起始点A 高程  :   Ha=8.000 米");
}

struct EchoCase
{
    const char *name;
    Field field;
    std::string shown;
    Lines replies;
};

class Echo : public testing::TestWithParam<EchoCase>
{};

// Replies for a route with no points to determine, with one value replaced.
Lines zeroPointRoute(const std::string &ha, const std::string &s, const std::string &dh,
                     const std::string &start = "A", const std::string &end = "B")
{
    return {"0", ha, "", "10", "", start, end, s, "", dh, "", "", ""};
}

TEST_P(Echo, FieldShowsTheValueInItsOwnForm)
{
    ScriptedPlatform platform(GetParam().replies);
    ASSERT_EQ(kit::runScript(platform), RunEnd::Completed);
    const std::string prefix = std::string(platform::fieldName(GetParam().field)) + "=";
    EXPECT_EQ(platform.logOf(prefix).front(), GetParam().shown);
}

const EchoCase echoes[] = {
        {"DistanceDropsTrailingZeros", Field::Text3, "  12.5", zeroPointRoute("9", "12.50", "1")},
        {"HeightDifferenceDropsTrailingZeros", Field::Text4, " -0.75",
         zeroPointRoute("9", "5", "-0.750")},
        {"HaAsTyped", Field::Text1, " 100.0", zeroPointRoute("100.0", "5", "1")},
        {"HaFullWidthAsTyped", Field::Text1, " \uFF19\u3002\uFF15",
         zeroPointRoute("\uFF19\u3002\uFF15", "5", "1")},
        {"DistanceFullWidthAsNumber", Field::Text3, "  12",
         zeroPointRoute("9", "\uFF11\uFF12", "1")},
        {"CountInExponentForm",
         Field::Text5,
         "  附合水准路线共有1个待定点",
         {"1e0", "9", "", "10", "", "A", "P", "5", "", "1", "", "B", "5", "", "0", "", "", "", ""}},
};

INSTANTIATE_TEST_SUITE_P(Values, Echo, testing::ValuesIn(echoes), RowName());

TEST(Run, ClosingPointNameNeverReachesText9)
{
    ScriptedPlatform platform({"2", "0", "", "0", "",  "A", "P1", "1", "", "0", "", "P2", "1",
                               "",  "0", "", "B", "1", "",  "0",  "",  "", "",  "", ""});
    ASSERT_EQ(kit::runScript(platform), RunEnd::Completed);
    EXPECT_EQ(platform.logOf("Text9="), (Lines{" P1", " P2"}));
    EXPECT_EQ(platform.fieldText(Field::Text6), "  B");
}

TEST(Run, ReportPrintsNegativeClosureAndEmptyNames)
{
    // Measured 0.988 m between benchmarks 1 m apart: fh = -0.012 m.
    ScriptedPlatform platform(zeroPointRoute("9", "100", "0.988", "", ""));
    ASSERT_EQ(kit::runScript(platform), RunEnd::Completed);
    EXPECT_EQ(platform.fieldText(Field::Text8), "-12毫米");
    EXPECT_EQ(platform.fieldText(Field::Text6), "  ");
    EXPECT_EQ(platform.printedLines(), (Lines{"Tarnovel", "", "起始点 高程  :   Ha=9.000 米",
                                              "闭合点 高程  :   Hb=10.000 米", "", " :9.000 米",
                                              " :10.000 米", "", "路线闭合差 : fh=-0.012 米"}));
}

// A known elevation typed with a tie in its fourth decimal prints the same in the report's header
// and in its point list, where it is rounded half-even.
struct TieCase
{
    const char *name;
    std::string typed;
    std::string printed;
};

class KnownElevationTie : public testing::TestWithParam<TieCase>
{};

TEST_P(KnownElevationTie, PrintsTheSameInTheHeaderAndTheList)
{
    const std::string &typed = GetParam().typed;
    ScriptedPlatform platform({"0", typed, "", typed, "", "A", "B", "10", "", "0", "", "", ""});
    ASSERT_EQ(kit::runScript(platform), RunEnd::Completed);
    const Lines &lines = platform.printedLines();
    ASSERT_EQ(lines.size(), 9u);
    const std::string value = GetParam().printed + " 米";
    EXPECT_EQ(lines[2], "起始点A 高程  :   Ha=" + value);
    EXPECT_EQ(lines[3], "闭合点B 高程  :   Hb=" + value);
    EXPECT_EQ(lines[5], "A :" + value);
    EXPECT_EQ(lines[6], "B :" + value);
}

INSTANTIATE_TEST_SUITE_P(Report, KnownElevationTie,
                         testing::Values(TieCase{"BinaryBelowTie", "10.0005", "10.000"},
                                         TieCase{"BinaryAboveTieToEven", "45.1235", "45.124"},
                                         TieCase{"UpToEven", "45.2375", "45.238"},
                                         TieCase{"NegativeTieToZero", "-0.0005", "0.000"}),
                         RowName());

} // namespace
