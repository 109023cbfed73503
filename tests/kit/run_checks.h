// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every scripted run must do however it is answered, checked the same way by the hostile
// run tests and by the run fuzzer: it ends, and what it shows and prints agrees.

#include "run.h"

#include "scripted_platform.h"

#include <cstddef>
#include <functional>
#include <string>

namespace kit {

// Answers a scripted run once its replies are used up as a user who gives up would: Enter at
// every prompt, zero at the abandon question. The run must then end within the bounds below.
class EnterThenAbandon
{
public:
    // A confirmation, two names, a number prompt and the abandon question.
    static constexpr std::size_t maxEntryPrompts = 5;
    // The stepping prompts of the largest route.
    static constexpr std::size_t maxStepPrompts = 10000;

    // `overrun`, when given, is called with the prompt that passes a bound, before it is answered.
    explicit EnterThenAbandon(platform::ScriptedPlatform &platform,
                              std::function<void(const std::string &)> overrun = {});
    EnterThenAbandon(const EnterThenAbandon &) = delete;
    EnterThenAbandon &operator=(const EnterThenAbandon &) = delete;

    std::size_t entryPrompts = 0; // prompts answered after the replies, the stepping ones apart
    std::size_t stepPrompts = 0;  // stepping prompts answered after the replies

private:
    std::function<void(const std::string &)> m_overrun;
};

// The first property the ended run lacks, with what shows it; empty when it has them all. A run
// recorded without its log is checked on its document count and closure field alone.
std::string brokenRunProperty(const platform::ScriptedPlatform &platform, adjustment::RunEnd end,
                              platform::PrintOutcome::Printing printing
                              = platform::PrintOutcome::Printing::Printed);

} // namespace kit
