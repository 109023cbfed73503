// SPDX-License-Identifier: GPL-3.0-or-later
// Whole adjustment runs answered by the fuzzer's bytes: one reply per line, at most kMaxReplies.
// When they run out the user presses Enter at every prompt and abandons when asked, so every run
// must end a few prompts later; one that asks more aborts. A first byte from 0x01 to 0x08 is
// not a reply: it picks how the printed document ends (printed, saved, not saved).
// Every run must then have the properties kit::checkRun checks, or the fuzzer stops on the
// exception it throws: a completed run printed one document whose lines match what the window
// showed.

#include "run.h"

#include "scripted_platform.h"

#include "run_checks.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using platform::PrintOutcome;
using platform::ScriptedPlatform;

namespace {

constexpr std::size_t kMaxReplies = 4096;

std::vector<std::string> splitReplies(std::string_view bytes)
{
    std::vector<std::string> replies;
    while (!bytes.empty() && replies.size() < kMaxReplies) {
        const auto end = bytes.find('\n');
        replies.emplace_back(bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return replies;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char *>(data), size);
    // A first byte from 0x01 to 0x08 picks how the report's document ends.
    using Printing = PrintOutcome::Printing;
    using Saving = PrintOutcome::Saving;
    static constexpr std::pair<Printing, Saving> endings[]
            = {{Printing::Printed, Saving::NotNeeded},
               {Printing::NoPrinter, Saving::Saved},
               {Printing::Failed, Saving::Saved},
               {Printing::NoPrinter, Saving::FolderNotWritable},
               {Printing::NoPrinter, Saving::FileNotWritable},
               {Printing::Failed, Saving::FolderNotWritable},
               {Printing::Failed, Saving::FileNotWritable},
               {Printing::NoPrinter, Saving::NoFreeName}};
    auto ending = endings[0];
    if (!bytes.empty() && bytes.front() >= 0x01 && bytes.front() <= 0x08) {
        ending = endings[bytes.front() - 0x01];
        bytes.remove_prefix(1);
    }

    ScriptedPlatform platform(splitReplies(bytes));
    platform.setPrintOutcome(PrintOutcome{ending.first, ending.second, "/tmp/Tarnovel.pdf"});
    kit::EnterThenAbandon after(platform, [](const std::string &prompt) {
        throw kit::BrokenProperty("the run ends a few prompts after the replies [" + prompt + "]");
    });
    auto services = platform.services();

    kit::checkRun(platform, adjustment::performRun(services), ending.first);
    return 0;
}
