// SPDX-License-Identifier: GPL-3.0-or-later

#include "run.h"
#include "texts.h"

#include "scripted_platform.h"

#include "row_name.h"
#include "run_checks.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

using adjustment::RunEnd;
using platform::Field;
using platform::PrintOutcome;
using platform::ScriptedPlatform;
namespace texts = adjustment::texts;

namespace {

using Lines = std::vector<std::string>;

std::string again(std::string_view problem, std::string_view prompt)
{
    return std::string(problem) + "\n" + std::string(prompt);
}

// A route from A to B with no points between: P1, P2, C1, P3, C1, P4, P5, S, C1, P6, C1, steps.
Lines route(Lines insert = {}, std::size_t at = 0)
{
    Lines replies = {"0", "9", "", "10", "", "A", "B", "100", "", "0.988", "", "", ""};
    replies.insert(replies.begin() + static_cast<std::ptrdiff_t>(at), insert.begin(), insert.end());
    return replies;
}

const std::string kDistance1 = "请输入第1 段前后视距离 S  :";

struct BadReplyCase
{
    const char *name;
    Lines replies;
    std::size_t askedAgainAt; // index of the repeated prompt among all prompts
    std::string_view problem; // on its own line above the prompt; none when empty
    std::string_view prompt;
};

class BadReply : public testing::TestWithParam<BadReplyCase>
{};

TEST_P(BadReply, IsNotStoredAndTheSamePromptComesBackWithTheProblem)
{
    const auto &c = GetParam();
    ScriptedPlatform platform(c.replies);
    ASSERT_EQ(kit::runScript(platform), RunEnd::Completed);
    const Lines prompts = platform.logOf("ask: ");
    ASSERT_GT(prompts.size(), c.askedAgainAt);
    EXPECT_EQ(prompts[c.askedAgainAt],
              c.problem.empty() ? std::string(c.prompt) : again(c.problem, c.prompt));
    // The bad reply changed nothing: the report is the one of the plain route.
    EXPECT_EQ(platform.printedLines()[6], "B :10.000 米");
    EXPECT_EQ(platform.printedLines()[8], "路线闭合差 : fh=-0.012 米");
}

const BadReplyCase badReplies[] = {
        {"CountJunk", route({"abc"}), 1, texts::NotANumber, texts::P1},
        {"CountBlanks", route({"   "}), 1, texts::NotANumber, texts::P1},
        {"CountFraction", route({"2.5"}), 1, texts::BadPointCount, texts::P1},
        {"CountNegative", route({"-1"}), 1, texts::BadPointCount, texts::P1},
        {"CountTooLarge", route({"10000"}), 1, texts::BadPointCount, texts::P1},
        {"CountInfinite", route({"1e400"}), 1, texts::NotANumber, texts::P1},
        {"LastProblemOnly", route({"abc", "-1"}), 2, texts::BadPointCount, texts::P1},
        {"HaJunk", route({"10m"}, 1), 2, texts::NotANumber, texts::P2},
        {"HbCommaDecimal", route({"10,0"}, 3), 4, texts::NotANumber, texts::P3},
        {"DistanceZero", route({"0"}, 7), 8, texts::DistanceNotPositive, kDistance1},
        {"DistanceNegative", route({"-100"}, 7), 8, texts::DistanceNotPositive, kDistance1},
        {"DistanceJunk", route({"一百"}, 7), 8, texts::NotANumber, kDistance1},
        {"HeightDifferenceJunk", route({"0.988m"}, 9), 10, texts::NotANumber, texts::P6},
        {"ReentryDistanceZero", route({"0", "0", "100"}, 8), 10, texts::DistanceNotPositive,
         texts::ConfirmS.r},
        {"ReentryHaJunk", route({"0", "x", "9"}, 2), 4, texts::NotANumber, texts::ConfirmHa.r},
        {"EmptyThenContinueAsksAsFirstAsked", route({"abc", "", "1"}), 3, "", texts::P1},
};

INSTANTIATE_TEST_SUITE_P(Cases, BadReply, testing::ValuesIn(badReplies), RowName());

struct AbandonCase
{
    const char *name;
    Lines replies;
    std::size_t promptsAsked;
};

class Abandon : public testing::TestWithParam<AbandonCase>
{};

TEST_P(Abandon, ZeroAfterAnEmptyReplyEndsTheRunAndKeepsTheFields)
{
    const auto &c = GetParam();
    ScriptedPlatform platform(c.replies);
    platform.setFieldText(Field::Text8, "typed before");
    EXPECT_EQ(kit::runScript(platform), RunEnd::Abandoned);
    const Lines prompts = platform.logOf("ask: ");
    ASSERT_EQ(prompts.size(), c.promptsAsked);
    EXPECT_EQ(prompts.back(), texts::AbandonQuestion);
    EXPECT_EQ(platform.log().back(), "ask: " + std::string(texts::AbandonQuestion));
    EXPECT_EQ(platform.documentsEnded(), 0u);
    EXPECT_EQ(platform.fieldText(Field::Text8), "typed before");
    EXPECT_EQ(platform.repliesLeft(), 0u);
}

const AbandonCase abandons[] = {
        {"AtCount", {"", "0"}, 2},
        {"AtHa", {"0", "", " 0 "}, 3},
        {"AtHaReentry", {"0", "9", "0", "", "0.0"}, 5},
        {"AtDistance", {"0", "9", "", "10", "", "A", "B", "", "0"}, 9},
        {"AtHeightDifference", {"0", "9", "", "10", "", "A", "B", "1", "", "", "0"}, 11},
        {"AfterAProblem", {"x", "", "0"}, 3},
        {"FullWidthZero", {"", "\uFF10"}, 2},
};

INSTANTIATE_TEST_SUITE_P(Positions, Abandon, testing::ValuesIn(abandons), RowName());

TEST(Abandon, AnyOtherAnswerAsksTheSamePromptAgain)
{
    for (const std::string answer : {"", "x", "1", "   "}) {
        ScriptedPlatform platform(route({"", answer}));
        EXPECT_EQ(kit::runScript(platform), RunEnd::Completed) << "answer: [" << answer << "]";
        const Lines prompts = platform.logOf("ask: ");
        EXPECT_EQ(prompts[1], texts::AbandonQuestion);
        EXPECT_EQ(prompts[2], texts::P1);
    }
}

TEST(Abandon, ConfirmationsAndNamesAcceptEmptyReplies)
{
    // Empty at every confirmation, name and step: accepted, never the abandon question.
    ScriptedPlatform platform({"1", "1", "", "2", "", "", "", "1", "", "0.5", "", "", "1", "",
                               "0.5", "", "", "", ""});
    EXPECT_EQ(kit::runScript(platform), RunEnd::Completed);
    for (const auto &prompt : platform.logOf("ask: "))
        EXPECT_NE(prompt, texts::AbandonQuestion);
}

using Printing = PrintOutcome::Printing;
using Saving = PrintOutcome::Saving;
using platform::FileKind;

struct OutcomeCase
{
    const char *name;
    Printing printing;
    Saving saving;
    std::string path;
    std::string message;
    FileKind kind = FileKind::Pdf;
};

class ReportOutcome : public testing::TestWithParam<OutcomeCase>
{};

TEST_P(ReportOutcome, IsToldOnceAfterTheReport)
{
    const auto &c = GetParam();
    ScriptedPlatform platform(route());
    platform.setPrintOutcome({c.printing, c.saving, c.path, c.kind});
    EXPECT_EQ(kit::runScript(platform), RunEnd::Completed);
    const Lines messages = platform.logOf("message: ");
    if (c.message.empty()) {
        EXPECT_TRUE(messages.empty());
    } else {
        EXPECT_EQ(messages, Lines{c.message});
        EXPECT_EQ(platform.log().back(), "message: " + c.message);
    }
}

const OutcomeCase outcomes[] = {
        {"Printed", Printing::Printed, Saving::NotNeeded, "", ""},
        {"NoPrinter", Printing::NoPrinter, Saving::Saved,
         "/home/u/文档/Brannock-20261208-140000.pdf",
         "未找到可用的打印机，报告已保存为 PDF 文件：\n/home/u/文档/Brannock-20261208-140000.pdf"},
        {"JobFailed", Printing::Failed, Saving::Saved, "/tmp/Brannock-20261208-140000-2.pdf",
         "打印失败，报告已保存为 PDF 文件：\n/tmp/Brannock-20261208-140000-2.pdf"},
        {"FolderNotWritable", Printing::NoPrinter, Saving::FolderNotWritable, "/ro/Documents",
         "无法打印报告，也无法保存 PDF 文件。\n无法创建或写入文件夹：/ro/Documents"},
        {"FileNotWritable", Printing::NoPrinter, Saving::FileNotWritable, "/d/Brannock-1.pdf",
         "无法打印报告，也无法保存 PDF 文件。\n无法写入文件：/d/Brannock-1.pdf"},
        {"FailedAndFolderNotWritable", Printing::Failed, Saving::FolderNotWritable, "/ro/Documents",
         "打印失败，也无法保存 PDF 文件。\n无法创建或写入文件夹：/ro/Documents"},
        {"SavedAsXps", Printing::NoPrinter, Saving::Saved, "C:\\D\\Brannock-1.xps",
         "未找到可用的打印机，报告已保存为 XPS 文件：\nC:\\D\\Brannock-1.xps", FileKind::Xps},
        {"XpsNotSavedAfterFailure", Printing::Failed, Saving::FileNotWritable,
         "C:\\D\\Brannock-1.xps",
         "打印失败，也无法保存 XPS 文件。\n无法写入文件：C:\\D\\Brannock-1.xps", FileKind::Xps},
        {"SavedAsTextAfterFailure", Printing::Failed, Saving::Saved, "C:\\D\\Brannock-1.txt",
         "打印失败，报告已保存为文本文件：\nC:\\D\\Brannock-1.txt", FileKind::Text},
        {"TextFolderNotWritable", Printing::NoPrinter, Saving::FolderNotWritable, "C:\\D",
         "无法打印报告，也无法保存文本文件。\n无法创建或写入文件夹：C:\\D", FileKind::Text},
        // No documents folder was found: the message ends in a sentence, not a path.
        {"NoDocumentsFolder", Printing::Failed, Saving::FolderNotWritable, "",
         "打印失败，也无法保存 PDF 文件。\n找不到用户的文档文件夹。"},
        {"NoFreeName", Printing::NoPrinter, Saving::NoFreeName, "/home/u/文档",
         "无法打印报告，也无法保存 PDF 文件。\n文件夹中找不到可用的新文件名：/home/u/文档"},
};

INSTANTIATE_TEST_SUITE_P(Statuses, ReportOutcome, testing::ValuesIn(outcomes), RowName());

} // namespace
