// SPDX-License-Identifier: GPL-3.0-or-later
// Whole adjustment runs answered by the fuzzer's bytes: one reply per line, at most kMaxReplies.
// When they run out the user presses Enter at every prompt and abandons when asked, so every run
// must end a few prompts later; one that asks more aborts. A first byte from 0x01 to 0x05 is
// not a reply: it picks how the printed document ends (printed, saved, not saved).
// A completed run must have printed one document whose lines match what the window showed.

#include "numbers.h"
#include "run.h"
#include "texts.h"

#include "scripted_platform.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using adjustment::fixed3Text;
using adjustment::generalText;
using adjustment::readNumber;
using platform::Field;
using platform::PrintOutcome;
using platform::ScriptedPlatform;
namespace texts = adjustment::texts;

namespace {

constexpr std::size_t kMaxReplies = 4096;
// After the replies: a confirmation, two names, a number prompt and the abandon question.
constexpr std::size_t kMaxEntryPromptsAfter = 5;
// After the replies: the stepping prompts of the largest route.
constexpr std::size_t kMaxStepPromptsAfter = 10000;

void require(bool holds, const char *property, const std::string &text = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s [%s]\n", property, text.c_str());
    std::abort();
}

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

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Two texts of the same value, one written by generalText (15 significant digits) and one by
// fixed3Text: equal non-finite texts, or numbers that agree within `tolerance` plus the 15-digit
// rounding.
bool sameValue(const std::string &general, const std::string &fixed, double tolerance)
{
    const auto a = readNumber(general);
    const auto b = readNumber(fixed);
    if (!a || !b)
        return !a && !b && general == fixed;
    return std::fabs(*a - *b) <= tolerance + 5.2e-15 * std::fabs(*b);
}

// The value of a report line "[<label>][<value> 米]" that starts with `label`.
std::optional<std::string> reportValue(const std::string &line, const std::string &label)
{
    const std::string head = "[" + label + "][";
    const std::string tail = std::string(texts::Metres) + "]";
    if (!startsWith(line, head) || !endsWith(line, tail) || line.size() < head.size() + tail.size())
        return std::nullopt;
    return line.substr(head.size(), line.size() - head.size() - tail.size());
}

void checkAbandoned(const ScriptedPlatform &platform)
{
    require(platform.documentsEnded() == 0, "an abandoned run prints nothing");
    require(platform.logOf("line").empty(), "an abandoned run prints no line");
    require(!platform.log().empty()
                    && platform.log().back() == "ask: " + std::string(texts::AbandonQuestion),
            "nothing happens after the abandon question");
}

void checkCompleted(const ScriptedPlatform &platform, PrintOutcome::Printing printing)
{
    require(platform.documentsEnded() == 1, "a completed run prints one document");
    require(platform.logOf("message: ").size()
                    == (printing == PrintOutcome::Printing::Printed ? 0 : 1),
            "one message exactly when the report was not printed");

    // What the stepping prompts showed: a name in Text6 and an elevation in Text7 per point.
    const std::string stepAsk = "ask: " + std::string(texts::StepPrompt);
    std::vector<std::string> names;
    std::vector<std::string> elevations;
    const auto &log = platform.log();
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i] != stepAsk)
            continue;
        require(i + 2 < log.size() && startsWith(log[i + 1], "Text6=  ")
                        && startsWith(log[i + 2], "Text7="),
                "every step shows a name and an elevation");
        names.push_back(log[i + 1].substr(8));
        elevations.push_back(log[i + 2].substr(6));
    }
    require(names.size() >= 2, "the start and the closing point are stepped");
    require(platform.fieldText(Field::Text5)
                    == texts::routeSummary(generalText(static_cast<double>(names.size() - 2))),
            "every point of the route is stepped", platform.fieldText(Field::Text5));

    // Title, empty, two known elevations, empty, one line per point, empty, closure.
    require(platform.printedLines().size() == names.size() + 7, "report length",
            std::to_string(platform.printedLines().size()));
    const auto pointLines = platform.logOf("line 26 ");
    require(pointLines.size() == names.size(), "one point line per stepped point");
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto value = reportValue(pointLines[i], names[i] + std::string(texts::AfterName));
        require(value.has_value(), "the point line names the stepped point", pointLines[i]);
        require(sameValue(elevations[i], *value, 0.0), "printed elevation is the one shown",
                elevations[i] + " / " + *value);
    }

    // The known elevations are printed as confirmed in Text1 and Text2.
    const auto known = platform.logOf("line 23 ");
    require(known.size() == 2, "two known elevations");
    const auto ha = readNumber(platform.fieldText(Field::Text1));
    const auto hb = readNumber(platform.fieldText(Field::Text2));
    require(ha && hb, "the known elevations shown read as numbers");
    const auto printedHa = reportValue(known[0], std::string(texts::StartLabel) + names.front()
                                                         + std::string(texts::StartElevation));
    const auto printedHb = reportValue(known[1], std::string(texts::ClosingLabel) + names.back()
                                                         + std::string(texts::ClosingElevation));
    require(printedHa == fixed3Text(*ha), "Ha printed as confirmed", known[0]);
    require(printedHb == fixed3Text(*hb), "Hb printed as confirmed", known[1]);

    // The closure in Text8 (millimetres, two decimals) and in the report (metres, three).
    const std::string &closure = platform.fieldText(Field::Text8);
    require(endsWith(closure, texts::Millimetres), "closure in millimetres", closure);
    const auto closureLine = platform.logOf("line 24 ");
    require(closureLine.size() == 1, "one closure line");
    const auto printedFh = reportValue(closureLine[0], std::string(texts::ClosureLine));
    require(printedFh.has_value(), "closure line", closureLine[0]);
    const std::string mm = closure.substr(0, closure.size() - texts::Millimetres.size());
    const auto mmValue = readNumber(mm);
    const auto fhValue = readNumber(*printedFh);
    if (mmValue && fhValue) {
        require(std::fabs(*mmValue / 1000.0 - *fhValue) <= 0.000506 + 5.2e-15 * std::fabs(*fhValue),
                "closure shown and printed agree", mm + " / " + *printedFh);
    } else if (fhValue) {
        // Too large for a double in millimetres: exponent form, a thousandth of it is fh.
        const auto e = mm.find('E');
        require(e != std::string::npos, "closure beyond millimetres in exponent form", mm);
        const int exponent = std::stoi(mm.substr(e + 1));
        const auto metres = readNumber(mm.substr(0, e) + "E" + std::to_string(exponent - 3));
        require(metres && std::fabs(*metres - *fhValue) <= 5.2e-15 * std::fabs(*fhValue),
                "closure shown and printed agree", mm + " / " + *printedFh);
    } else {
        require(mm == *printedFh, "non-finite closure shown and printed alike",
                mm + " / " + *printedFh);
    }
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
    std::size_t entryPromptsAfter = 0;
    std::size_t stepPromptsAfter = 0;
    platform.setResponder([&](const std::string &prompt) -> std::string {
        if (prompt == texts::StepPrompt) {
            require(++stepPromptsAfter <= kMaxStepPromptsAfter, "stepping ends");
            return "";
        }
        require(++entryPromptsAfter <= kMaxEntryPromptsAfter, "entry ends after the replies",
                prompt);
        return prompt == texts::AbandonQuestion ? "0" : "";
    });
    auto services = platform.services();

    if (adjustment::performRun(services) == adjustment::RunEnd::Abandoned)
        checkAbandoned(platform);
    else
        checkCompleted(platform, ending.first);
    return 0;
}
