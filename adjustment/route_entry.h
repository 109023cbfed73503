// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Route entry: the chain of prompts that fills a LevelingRoute, echoing every value into the
// window's fields and letting the user confirm or re-enter each measured value.

#include "leveling_route.h"
#include "texts.h"

#include "platform.h"

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

    // How one confirmed value is checked, shown and confirmed.
    struct ConfirmedValue
    {
        texts::ConfirmTexts confirm;
        Rule rule;
        platform::Field field;
        std::string_view prefix; // the blanks before the value in its field
        bool echoAsTyped;        // the reply as typed (elevations), or its number text
    };
    static const ConfirmedValue Ha;
    static const ConfirmedValue Hb;
    static const ConfirmedValue S;
    static const ConfirmedValue DH;

    // Confirm-or-re-enter dialogue for a value already shown in its field. A reply that reads
    // as zero asks for the value again; any other reply accepts it. False when the user
    // abandons the run during a re-entry.
    bool ConfirmLoop(const ConfirmedValue &kind, Reading &value);

private:
    // Asks a number and shows it in its field; then confirms it.
    std::optional<Reading> enterValue(std::string_view prompt, const ConfirmedValue &kind);
    void show(const ConfirmedValue &kind, const Reading &value);

    platform::Services &m_services;
};

} // namespace adjustment
