// SPDX-License-Identifier: GPL-3.0-or-later
// What the web tests expect of a route, from the core run with the scripted platform: the
// replies, each prompt with the nine fields as they stand while it is open, and the report's
// lines; and the window's focus order, each field's spoken name and the message a reply that is
// no number gets. Usage: route_steps example|long|markup|wide; prints
// JSON.

#include "design.h"
#include "routes.h"
#include "run.h"
#include "scripted_platform.h"
#include "window_run_result.h"

#include <cstdio>
#include <string_view>

int main(int argc, char **argv)
{
    const std::string_view name = argc == 2 ? argv[1] : "";
    const kit::Route *route = kit::namedRoute(name);
    if (!route) {
        std::fprintf(stderr, "usage: route_steps example|long|markup|wide\n");
        return 2;
    }
    platform::ScriptedPlatform script;
    std::string steps;
    std::size_t next = 0;
    script.setResponder([&](const std::string &prompt) {
        std::vector<std::string> fields;
        for (int field = 0; field < 9; ++field)
            fields.push_back(script.fieldText(static_cast<platform::Field>(field)));
        steps += std::string(steps.empty() ? "" : ",\n  ") + "{\"prompt\": "
                 + kit::jsonString(prompt) + ", \"fields\": " + kit::jsonArray(fields) + "}";
        return next < route->replies.size() ? route->replies[next++] : std::string("0");
    });
    platform::Services services = script.services();
    adjustment::performRun(services);

    std::vector<std::string> spoken;
    for (const design::FieldLabels &labels : design::fieldLabels)
        spoken.push_back(design::spokenName(labels));
    std::vector<std::string> tabOrder;
    for (const design::TabStop &stop : design::tabOrder)
        tabOrder.emplace_back(stop.name);
    std::printf("{\"replies\": %s,\n \"steps\": [%s],\n \"report\": %s,\n \"spoken\": %s,\n"
                " \"tabOrder\": %s,\n \"notANumber\": %s}\n",
                kit::jsonArray(route->replies).c_str(), steps.c_str(),
                kit::jsonArray(route->report).c_str(), kit::jsonArray(spoken).c_str(),
                kit::jsonArray(tabOrder).c_str(),
                kit::jsonString(std::string(adjustment::texts::NotANumber)).c_str());
    return script.printedLines() == route->report ? 0 : 1;
}
