// SPDX-License-Identifier: GPL-3.0-or-later

#include "run.h"

#include "adjustment_result.h"
#include "report.h"
#include "results_display.h"
#include "route_entry.h"
#include "texts.h"

#include <string>
#include <string_view>

namespace adjustment {

namespace {

// The message for a report that did not reach the printer, or empty text when it did.
std::string outcomeMessage(const platform::PrintOutcome &outcome)
{
    using Status = platform::PrintOutcome::Status;
    const auto lines
            = [](std::string_view first, std::string_view second, const std::string &path) {
                  return std::string(first) + "\n" + std::string(second) + path;
              };
    switch (outcome.status) {
    case Status::Printed:
        return {};
    case Status::SavedNoPrinter:
        return lines(texts::SavedNoPrinter, "", outcome.path);
    case Status::SavedAfterFailure:
        return lines(texts::SavedAfterFailure, "", outcome.path);
    case Status::FolderNotWritable:
        return lines(texts::NotSaved, texts::FolderNotWritable, outcome.path);
    case Status::FileNotWritable:
        return lines(texts::NotSaved, texts::FileNotWritable, outcome.path);
    }
    return {};
}

} // namespace

RunEnd performRun(platform::Services &services)
{
    const auto route = RouteEntry(services).enter();
    if (!route)
        return RunEnd::Abandoned;

    const AdjustmentResult result = computeAdjustment(*route);
    showClosure(services.fields, *route, result);
    stepThroughElevations(services, *route, result);

    const auto message = outcomeMessage(printReport(services.printer, *route, result));
    if (!message.empty())
        services.prompts.showMessage(message);
    return RunEnd::Completed;
}

} // namespace adjustment
