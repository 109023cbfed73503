// SPDX-License-Identifier: GPL-3.0-or-later

#include "run.h"

#include "scripted_platform.h"

#include "run_checks.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

using adjustment::RunEnd;
using kit::EnterThenAbandon;
using platform::ScriptedPlatform;

namespace {

// Replies a careless or hostile user might give, at any prompt.
class HostileUser
{
public:
    explicit HostileUser(std::uint64_t seed)
        : m_random(seed)
    {}

    std::string reply()
    {
        static const std::vector<std::string> numbers = {"1",
                                                         "2",
                                                         "0.5",
                                                         "12.50",
                                                         "-0.750",
                                                         "100.0",
                                                         " 3 ",
                                                         "\uFF13",
                                                         "\uFF11\uFF10\u3002\uFF15",
                                                         "\uFF0D\uFF12\uFF0E\uFF15",
                                                         "\u3000"
                                                         "7\u3000",
                                                         "1e2",
                                                         "+4",
                                                         ".5"};
        static const std::vector<std::string> junk
                = {"abc", "1a",       "1,5",      "inf",
                   "nan", "-nan",     "0x1p3",    "1e",
                   "--1", "。",       "．",       "\uFF0B",
                   "零",  "\xEF\xBC", "\xFF\xFE", std::string{'1', '\0', '2'},
                   "1 2", "e9",       "+-0"};
        static const std::vector<std::string> extremes = {"1e308",
                                                          "-1e308",
                                                          "1.7976931348623157e308",
                                                          "1e309",
                                                          "1e-400",
                                                          "4.9e-324",
                                                          "9999",
                                                          "10000",
                                                          "-1",
                                                          "2.5",
                                                          "1e-320",
                                                          std::string(400, '9'),
                                                          "0." + std::string(400, '0') + "1"};
        // Out of twenty: 7 numbers, 3 zeros, 2 empty replies, 1 run of blanks, 2 junk, 2 extremes,
        // 1 long string and 2 numbers with blanks around.
        const std::size_t kind = pick(20);
        if (kind < 7)
            return numbers[pick(numbers.size())];
        if (kind < 10)
            return pick(2) ? "0" : "\uFF10";
        if (kind < 12)
            return "";
        if (kind < 13)
            return std::string(pick(5) + 1, ' ');
        if (kind < 15)
            return junk[pick(junk.size())];
        if (kind < 17)
            return extremes[pick(extremes.size())];
        if (kind < 18)
            return std::string(pick(2) ? 100000 : 5000, pick(2) ? '1' : 'x');
        return std::string(pick(3), ' ') + numbers[pick(numbers.size())]
               + std::string(pick(3), '\t');
    }

    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }

private:
    std::mt19937_64 m_random;
};

TEST(HostileRuns, EveryRunEndsWithinBoundedPromptsWithoutACrash)
{
    constexpr int kRuns = 10000;
    int completed = 0;
    int abandoned = 0;
    for (int run = 0; run < kRuns; ++run) {
        HostileUser user(static_cast<std::uint64_t>(run));
        const std::size_t hostileReplies = user.pick(120) + 1;
        std::vector<std::string> replies;
        for (std::size_t i = 0; i < hostileReplies; ++i)
            replies.push_back(user.reply());

        // After the hostile replies the user only presses Enter, and abandons when asked.
        ScriptedPlatform platform(replies);
        EnterThenAbandon after(platform);
        platform.setRecording(run % 10 == 0); // keep the long-string runs fast

        RunEnd end{};
        ASSERT_NO_THROW(end = kit::runScript(platform)) << "run " << run;
        ASSERT_LE(after.entryPrompts, EnterThenAbandon::maxEntryPrompts) << "run " << run;
        ASSERT_LE(after.stepPrompts, EnterThenAbandon::maxStepPrompts) << "run " << run;
        // Nothing printed when abandoned; one document, the closure in millimetres, and with the
        // log recorded a report line with its unit for every point shown, when completed.
        ASSERT_NO_THROW(kit::checkRun(platform, end)) << "run " << run;
        ++(end == RunEnd::Abandoned ? abandoned : completed);
    }
    // Both endings are reached often, so the test exercises both.
    EXPECT_GT(completed, kRuns / 20);
    EXPECT_GT(abandoned, kRuns / 20);
    std::printf("hostile runs: %d completed, %d abandoned\n", completed, abandoned);
}

} // namespace
