// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A run of the core on a scripted platform, and what every such run must do however it is
// answered, checked the same way by the hostile run tests and by the run fuzzer: it ends, and what
// it shows and prints agrees.

#include "run.h"

#include "scripted_platform.h"

#include "numbers.h"
#include "texts.h"

#include <cmath>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kit {

// Answers a scripted run once its replies are used up as a user who gives up would: Enter at
// every prompt, zero at the abandon question; the run must then end within the bounds below.
// `onOverrun`, when given, is called with the prompt that passes one, before it is answered.
struct EnterThenAbandon
{
    static constexpr std::size_t maxEntryPrompts = 5;    // a confirmation, two names, a number
                                                         // prompt and the abandon question
    static constexpr std::size_t maxStepPrompts = 10000; // those of the largest route
    EnterThenAbandon(platform::ScriptedPlatform &platform,
                     std::function<void(const std::string &)> onOverrun = {})
        : overrun(std::move(onOverrun))
    {
        platform.setResponder([this](const std::string &prompt) -> std::string {
            const bool stepping = prompt == adjustment::texts::StepPrompt;
            if ((stepping ? ++stepPrompts > maxStepPrompts : ++entryPrompts > maxEntryPrompts)
                && overrun)
                overrun(prompt);
            return !stepping && prompt == adjustment::texts::AbandonQuestion ? "0" : "";
        });
    }
    EnterThenAbandon(const EnterThenAbandon &) = delete;

    std::size_t entryPrompts = 0; // answered after the replies, the stepping prompts apart
    std::size_t stepPrompts = 0;
    std::function<void(const std::string &)> overrun;
};

// Runs the core on the scripted platform's replies; how the run ended.
inline adjustment::RunEnd runScript(platform::ScriptedPlatform &platform)
{
    auto services = platform.services();
    return adjustment::performRun(services);
}

// What checkRun throws: the first property the run lacks, with what shows it.
struct BrokenProperty : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

namespace detail {

namespace texts = adjustment::texts;
using adjustment::readNumber;
using platform::Field;

inline void require(bool holds, const char *property, const std::string &text = {})
{
    if (!holds)
        throw BrokenProperty(std::string(property) + " [" + text + "]");
}

// Two texts of the same value, one written by generalText (15 significant digits, in a unit
// 10^`shift` times smaller) and one by fixed3Text: equal non-finite texts, or numbers that agree
// within the 15-digit rounding. In exponent form a tenth of each is compared, as the rounding may
// write a value near the largest double beyond it.
inline bool sameValue(const std::string &general, const std::string &fixed, int shift = 0)
{
    const auto e = general.find('E');
    const auto a
            = e == std::string::npos
                      ? readNumber(general)
                      : readNumber(general.substr(0, e) + "E"
                                   + std::to_string(std::stoi(general.substr(e + 1)) - shift - 1));
    auto b = readNumber(fixed);
    if (b && e != std::string::npos)
        *b /= 10;
    if (!a || !b)
        return !a && !b && general == fixed;
    return std::fabs(*a - *b) <= 5.2e-15 * std::fabs(*b);
}

// The value of a report line "[<label>][<value> 米]" that starts with `label`.
inline std::string reportValue(const std::string &line, const std::string &label)
{
    const std::string head = "[" + label + "][";
    const std::string tail = std::string(texts::Metres) + "]";
    require(line.starts_with(head) && line.ends_with(tail)
                    && line.size() >= head.size() + tail.size(),
            "a report line with its label and unit", line);
    return line.substr(head.size(), line.size() - head.size() - tail.size());
}

inline void checkCompleted(const platform::ScriptedPlatform &platform,
                           platform::PrintOutcome::Printing printing)
{
    require(platform.documentsEnded() == 1, "a completed run prints one document");
    const std::string &closure = platform.fieldText(Field::Text8);
    require(closure.ends_with(texts::Millimetres), "closure in millimetres", closure);
    if (platform.log().empty())
        return;
    require(platform.logOf("message: ").size()
                    == (printing == platform::PrintOutcome::Printing::Printed ? 0 : 1),
            "one message exactly when the report was not printed");

    // What the stepping prompts showed: a name in Text6 and an elevation in Text7 per point.
    const std::string stepAsk = "ask: " + std::string(texts::StepPrompt);
    std::vector<std::string> names;
    std::vector<std::string> elevations;
    const auto &log = platform.log();
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i] != stepAsk)
            continue;
        require(i + 2 < log.size() && log[i + 1].starts_with("Text6=  ")
                        && log[i + 2].starts_with("Text7="),
                "every step shows a name and an elevation");
        names.push_back(log[i + 1].substr(8));
        elevations.push_back(log[i + 2].substr(6));
    }
    require(names.size() >= 2, "the start and the closing point are stepped");
    require(platform.fieldText(Field::Text5)
                    == texts::routeSummary(adjustment::generalText(double(names.size() - 2))),
            "every point of the route is stepped", platform.fieldText(Field::Text5));

    // Title, empty, two known elevations, empty, one line per point, empty, closure.
    require(platform.printedLines().size() == names.size() + 7, "report length",
            std::to_string(platform.printedLines().size()));
    for (const auto &line : platform.logOf("line ")) {
        require(line.find(texts::ReportTitle) != std::string::npos
                        || line.find(std::string(texts::Metres) + "]") != std::string::npos,
                "every printed value carries its unit", line);
    }
    const auto pointLines = platform.logOf("line 26 ");
    require(pointLines.size() == names.size(), "one point line per stepped point");
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto value = reportValue(pointLines[i], names[i] + std::string(texts::AfterName));
        require(sameValue(elevations[i], value), "printed elevation is the one shown",
                elevations[i] + " / " + value);
    }

    // The known elevations are printed as confirmed in Text1 and Text2.
    const auto known = platform.logOf("line 23 ");
    require(known.size() == 2, "two known elevations");
    const auto ha = readNumber(platform.fieldText(Field::Text1));
    const auto hb = readNumber(platform.fieldText(Field::Text2));
    require(ha && hb, "the known elevations shown read as numbers");
    require(reportValue(known[0], std::string(texts::StartLabel) + names.front()
                                          + std::string(texts::StartElevation))
                    == adjustment::fixed3Text(*ha),
            "Ha printed as confirmed", known[0]);
    require(reportValue(known[1], std::string(texts::ClosingLabel) + names.back()
                                          + std::string(texts::ClosingElevation))
                    == adjustment::fixed3Text(*hb),
            "Hb printed as confirmed", known[1]);

    // The closure in Text8 (millimetres, two decimals) and in the report (metres, three).
    const auto closureLine = platform.logOf("line 24 ");
    require(closureLine.size() == 1, "one closure line");
    const std::string fh = reportValue(closureLine[0], std::string(texts::ClosureLine));
    const std::string mm = closure.substr(0, closure.size() - texts::Millimetres.size());
    const auto mmValue = readNumber(mm);
    const auto fhValue = readNumber(fh);
    if (mmValue && fhValue) {
        require(std::fabs(*mmValue / 1000.0 - *fhValue) <= 0.000506 + 5.2e-15 * std::fabs(*fhValue),
                "closure shown and printed agree", mm + " / " + fh);
    } else if (fhValue) {
        // Too large for a double in millimetres: exponent form, a thousandth of it is fh.
        require(mm.find('E') != std::string::npos, "closure beyond millimetres in exponent form",
                mm);
        require(sameValue(mm, fh, 3), "closure shown and printed agree", mm + " / " + fh);
    } else {
        require(mm == fh, "non-finite closure shown and printed alike", mm + " / " + fh);
    }
}

} // namespace detail

// Checks the ended run. A run recorded without its log is checked on its document count and
// closure field alone.
inline void checkRun(const platform::ScriptedPlatform &platform, adjustment::RunEnd end,
                     platform::PrintOutcome::Printing printing
                     = platform::PrintOutcome::Printing::Printed)
{
    if (end == adjustment::RunEnd::Completed)
        return detail::checkCompleted(platform, printing);
    detail::require(platform.documentsEnded() == 0, "an abandoned run prints nothing");
    if (platform.log().empty())
        return;
    detail::require(platform.logOf("line").empty(), "an abandoned run prints no line");
    detail::require(platform.log().back()
                            == "ask: " + std::string(adjustment::texts::AbandonQuestion),
                    "nothing happens after the abandon question", platform.log().back());
}

} // namespace kit
