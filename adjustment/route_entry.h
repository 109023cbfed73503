#pragma once

// Route entry: the chain of prompts that fills a LevelingRoute, echoing every value into the
// window's fields and letting the user confirm or re-enter each measured value.

#include "leveling_route.h"
#include "texts.h"

#include "platform/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace adjustment {

class RouteEntry
{
public:
    explicit RouteEntry(platform::Services &services)
        : m_services(services)
    {}

    // The complete route, or nothing when the user abandoned the run at a number prompt.
    std::optional<LevelingRoute> enter();

    // What a number prompt accepts.
    enum class Rule {
        AnyNumber,
        PointCount,       // a whole number from 0 to 9999
        PositiveDistance, // greater than zero
    };

    // A reply accepted at a number prompt: the text as typed and its reading.
    struct Reading
    {
        std::string text;
        double value = 0.0;
    };

    // Asks a number prompt until the reply is acceptable; after an empty reply asks whether to
    // abandon the run. Nothing when the user abandons.
    std::optional<Reading> askNumber(std::string_view prompt, Rule rule);

    // Confirm-or-re-enter dialogue for a value already shown in `field` as `prefix` + its text.
    // A reply that reads as zero asks for the value again; any other reply accepts it.
    // False when the user abandons the run during a re-entry.
    bool ConfirmLoop(const texts::ConfirmTexts &texts, Rule rule, platform::Field field,
                     std::string_view prefix, bool echoAsTyped, Reading &value);

private:
    // Asks a number and shows it in its field; then confirms it.
    std::optional<Reading> enterValue(std::string_view prompt, const texts::ConfirmTexts &texts,
                                      Rule rule, platform::Field field, std::string_view prefix,
                                      bool echoAsTyped);
    void show(platform::Field field, std::string_view prefix, bool echoAsTyped,
              const Reading &value);

    platform::Services &m_services;
};

} // namespace adjustment
