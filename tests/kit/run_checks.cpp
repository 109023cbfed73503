// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_checks.h"

#include "numbers.h"
#include "texts.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace kit {

namespace texts = adjustment::texts;
using adjustment::fixed3Text;
using adjustment::generalText;
using adjustment::readNumber;
using platform::Field;
using platform::ScriptedPlatform;

EnterThenAbandon::EnterThenAbandon(ScriptedPlatform &platform,
                                   std::function<void(const std::string &)> overrun)
    : m_overrun(std::move(overrun))
{
    platform.setResponder([this](const std::string &prompt) -> std::string {
        const bool stepping = prompt == texts::StepPrompt;
        const bool over
                = stepping ? ++stepPrompts > maxStepPrompts : ++entryPrompts > maxEntryPrompts;
        if (over && m_overrun)
            m_overrun(prompt);
        return !stepping && prompt == texts::AbandonQuestion ? "0" : "";
    });
}

namespace {

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The text of a number read with its decimal exponent lowered by `down`; a text with no exponent
// reads only as it is.
std::optional<double> readLowered(const std::string &text, int down)
{
    const auto e = text.find('E');
    if (e == std::string::npos)
        return down == 0 ? readNumber(text) : std::nullopt;
    return readNumber(text.substr(0, e) + "E"
                      + std::to_string(std::stoi(text.substr(e + 1)) - down));
}

// Two texts of the same value, one written by generalText (15 significant digits, in a unit
// 10^`shift` times smaller) and one by fixed3Text: equal non-finite texts, or numbers that agree
// within `tolerance` plus the 15-digit rounding.
bool sameValue(const std::string &general, const std::string &fixed, double tolerance,
               int shift = 0)
{
    auto a = readLowered(general, shift);
    auto b = readNumber(fixed);
    // Rounded to 15 digits, a value near the largest double is written beyond it and no longer
    // reads: a tenth of each is compared then.
    if (!a && b) {
        a = readLowered(general, shift + 1);
        *b /= 10;
    }
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

std::string broken(const char *property, const std::string &text = {})
{
    return std::string(property) + " [" + text + "]";
}

std::string brokenAbandoned(const ScriptedPlatform &platform)
{
    if (platform.documentsEnded() != 0)
        return broken("an abandoned run prints nothing");
    if (platform.log().empty())
        return {};
    if (!platform.logOf("line").empty())
        return broken("an abandoned run prints no line");
    if (platform.log().back() != "ask: " + std::string(texts::AbandonQuestion))
        return broken("nothing happens after the abandon question", platform.log().back());
    return {};
}

// The closure in Text8 (millimetres, two decimals) and in the report (metres, three).
std::string brokenClosure(const std::string &closure, const std::string &closureLine)
{
    const auto printedFh = reportValue(closureLine, std::string(texts::ClosureLine));
    if (!printedFh)
        return broken("closure line", closureLine);
    const std::string mm = closure.substr(0, closure.size() - texts::Millimetres.size());
    const auto mmValue = readNumber(mm);
    const auto fhValue = readNumber(*printedFh);
    if (mmValue && fhValue) {
        if (std::fabs(*mmValue / 1000.0 - *fhValue) > 0.000506 + 5.2e-15 * std::fabs(*fhValue))
            return broken("closure shown and printed agree", mm + " / " + *printedFh);
    } else if (fhValue) {
        // Too large for a double in millimetres: exponent form, a thousandth of it is fh.
        if (mm.find('E') == std::string::npos)
            return broken("closure beyond millimetres in exponent form", mm);
        if (!sameValue(mm, *printedFh, 0.0, 3))
            return broken("closure shown and printed agree", mm + " / " + *printedFh);
    } else if (mm != *printedFh) {
        return broken("non-finite closure shown and printed alike", mm + " / " + *printedFh);
    }
    return {};
}

std::string brokenCompleted(const ScriptedPlatform &platform,
                            platform::PrintOutcome::Printing printing)
{
    if (platform.documentsEnded() != 1)
        return broken("a completed run prints one document",
                      std::to_string(platform.documentsEnded()));
    const std::string &closure = platform.fieldText(Field::Text8);
    if (!endsWith(closure, texts::Millimetres))
        return broken("closure in millimetres", closure);
    if (platform.log().empty())
        return {};
    if (platform.logOf("message: ").size()
        != (printing == platform::PrintOutcome::Printing::Printed ? 0u : 1u))
        return broken("one message exactly when the report was not printed");

    // What the stepping prompts showed: a name in Text6 and an elevation in Text7 per point.
    const std::string stepAsk = "ask: " + std::string(texts::StepPrompt);
    std::vector<std::string> names;
    std::vector<std::string> elevations;
    const auto &log = platform.log();
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i] != stepAsk)
            continue;
        if (i + 2 >= log.size() || !startsWith(log[i + 1], "Text6=  ")
            || !startsWith(log[i + 2], "Text7="))
            return broken("every step shows a name and an elevation");
        names.push_back(log[i + 1].substr(8));
        elevations.push_back(log[i + 2].substr(6));
    }
    if (names.size() < 2)
        return broken("the start and the closing point are stepped");
    if (platform.fieldText(Field::Text5)
        != texts::routeSummary(generalText(static_cast<double>(names.size() - 2))))
        return broken("every point of the route is stepped", platform.fieldText(Field::Text5));

    // Title, empty, two known elevations, empty, one line per point, empty, closure.
    if (platform.printedLines().size() != names.size() + 7)
        return broken("report length", std::to_string(platform.printedLines().size()));
    // Every printed value carries its unit.
    for (const auto &line : platform.logOf("line ")) {
        if (line.find(texts::ReportTitle) == std::string::npos
            && line.find(std::string(texts::Metres) + "]") == std::string::npos)
            return broken("every printed value carries its unit", line);
    }
    const auto pointLines = platform.logOf("line 26 ");
    if (pointLines.size() != names.size())
        return broken("one point line per stepped point");
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto value = reportValue(pointLines[i], names[i] + std::string(texts::AfterName));
        if (!value)
            return broken("the point line names the stepped point", pointLines[i]);
        if (!sameValue(elevations[i], *value, 0.0))
            return broken("printed elevation is the one shown", elevations[i] + " / " + *value);
    }

    // The known elevations are printed as confirmed in Text1 and Text2.
    const auto known = platform.logOf("line 23 ");
    if (known.size() != 2)
        return broken("two known elevations");
    const auto ha = readNumber(platform.fieldText(Field::Text1));
    const auto hb = readNumber(platform.fieldText(Field::Text2));
    if (!ha || !hb)
        return broken("the known elevations shown read as numbers");
    const auto printedHa = reportValue(known[0], std::string(texts::StartLabel) + names.front()
                                                         + std::string(texts::StartElevation));
    const auto printedHb = reportValue(known[1], std::string(texts::ClosingLabel) + names.back()
                                                         + std::string(texts::ClosingElevation));
    if (printedHa != fixed3Text(*ha))
        return broken("Ha printed as confirmed", known[0]);
    if (printedHb != fixed3Text(*hb))
        return broken("Hb printed as confirmed", known[1]);

    const auto closureLine = platform.logOf("line 24 ");
    if (closureLine.size() != 1)
        return broken("one closure line");
    return brokenClosure(closure, closureLine[0]);
}

} // namespace

std::string brokenRunProperty(const ScriptedPlatform &platform, adjustment::RunEnd end,
                              platform::PrintOutcome::Printing printing)
{
    return end == adjustment::RunEnd::Abandoned ? brokenAbandoned(platform)
                                                : brokenCompleted(platform, printing);
}

} // namespace kit
