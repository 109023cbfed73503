// SPDX-License-Identifier: GPL-3.0-or-later
// The route asked for, prompt by prompt, each reply checked and confirmed.

#include "route_entry.h"

#include "numbers.h"

#include <cmath>

namespace adjustment {

using platform::Field;

namespace {

// The problem with an accepted number, or an empty view when it is acceptable.
std::string_view problemWith(double value, RouteEntry::Rule rule)
{
    switch (rule) {
    case RouteEntry::Rule::AnyNumber:
        return {};
    case RouteEntry::Rule::PointCount:
        // A negative or fractional count is meaningless; a huge one would exhaust memory.
        if (value < 0.0 || value > 9999.0 || std::floor(value) != value)
            return texts::BadPointCount;
        return {};
    case RouteEntry::Rule::PositiveDistance:
        // A zero or negative distance gives a wrong correction; all zero would divide by zero.
        if (!(value > 0.0))
            return texts::DistanceNotPositive;
        return {};
    }
    return {};
}

} // namespace

std::optional<RouteEntry::Reading> RouteEntry::askNumber(std::string_view prompt, Rule rule)
{
    std::string_view problem;
    for (;;) {
        std::string asked;
        if (!problem.empty()) {
            asked = problem;
            asked += '\n';
        }
        asked += prompt;
        std::string reply = m_services.prompts.inputBox(asked);
        if (reply.empty()) {
            // Enter on an empty line, Cancel or a closed box: abandon only when the user says so.
            if (readsAsZero(m_services.prompts.inputBox(std::string(texts::AbandonQuestion))))
                return std::nullopt;
            problem = {};
            continue;
        }
        const auto value = readNumber(reply);
        if (!value) {
            problem = texts::NotANumber;
            continue;
        }
        problem = problemWith(*value, rule);
        if (problem.empty())
            return Reading{std::move(reply), *value};
    }
}

const RouteEntry::ConfirmedValue RouteEntry::Ha{texts::ConfirmHa, Rule::AnyNumber, Field::Text1,
                                                " ", true};
const RouteEntry::ConfirmedValue RouteEntry::Hb{texts::ConfirmHb, Rule::AnyNumber, Field::Text2,
                                                " ", true};
const RouteEntry::ConfirmedValue RouteEntry::S{texts::ConfirmS, Rule::PositiveDistance,
                                               Field::Text3, "  ", false};
const RouteEntry::ConfirmedValue RouteEntry::DH{texts::ConfirmDH, Rule::AnyNumber, Field::Text4,
                                                " ", false};

void RouteEntry::show(const ConfirmedValue &kind, const Reading &value)
{
    std::string text(kind.prefix);
    text += kind.echoAsTyped ? value.text : generalText(value.value);
    m_services.fields.setFieldText(kind.field, text);
}

bool RouteEntry::ConfirmLoop(const ConfirmedValue &kind, Reading &value)
{
    std::string_view question = kind.confirm.c1;
    for (;;) {
        if (!readsAsZero(m_services.prompts.inputBox(std::string(question))))
            return true;
        auto again = askNumber(kind.confirm.r, kind.rule);
        if (!again)
            return false;
        value = std::move(*again);
        show(kind, value);
        question = kind.confirm.c2;
    }
}

std::optional<RouteEntry::Reading> RouteEntry::enterValue(std::string_view prompt,
                                                          const ConfirmedValue &kind)
{
    auto value = askNumber(prompt, kind.rule);
    if (!value)
        return std::nullopt;
    show(kind, *value);
    if (!ConfirmLoop(kind, *value))
        return std::nullopt;
    return value;
}

std::optional<LevelingRoute> RouteEntry::enter()
{
    auto &prompts = m_services.prompts;
    auto &fields = m_services.fields;
    LevelingRoute route;

    const auto n = askNumber(texts::P1, Rule::PointCount);
    if (!n)
        return std::nullopt;
    route.N = n->text;
    fields.setFieldText(Field::Text5, texts::routeSummary(generalText(n->value)));
    route.createArrays(static_cast<long>(n->value) + 1);

    // Known elevations are kept and shown exactly as typed.
    const auto ha = enterValue(texts::P2, Ha);
    if (!ha)
        return std::nullopt;
    route.Ha = ha->text;
    route.haValue = ha->value;
    const auto hb = enterValue(texts::P3, Hb);
    if (!hb)
        return std::nullopt;
    route.Hb = hb->text;
    route.hbValue = hb->value;

    route.SumDH = 0.0;
    route.SumS = 0.0;
    const auto n1 = static_cast<std::size_t>(route.N1);
    for (std::size_t i = 0; i <= n1; ++i) {
        if (i == 0) {
            route.Names[0] = prompts.inputBox(std::string(texts::P4));
            continue; // no segment ends at the start point
        }
        if (i < n1) {
            route.Names[i] = prompts.inputBox(texts::pointNamePrompt(static_cast<long>(i)));
            fields.setFieldText(Field::Text9, " " + route.Names[i]);
        } else {
            route.Names[i] = prompts.inputBox(std::string(texts::P5));
        }

        const auto s = enterValue(texts::segmentDistancePrompt(static_cast<long>(i)), S);
        if (!s)
            return std::nullopt;
        route.S[i] = s->value;
        const auto dh = enterValue(texts::P6, DH);
        if (!dh)
            return std::nullopt;
        route.DH[i] = dh->value;

        route.SumDH = route.SumDH + route.DH[i];
        route.SumS = route.SumS + route.S[i];
    }
    return route;
}

} // namespace adjustment
