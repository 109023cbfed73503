// SPDX-License-Identifier: GPL-3.0-or-later

#include "run.h"

#include "adjustment_result.h"
#include "report.h"
#include "report_document.h"
#include "results_display.h"
#include "route_entry.h"

namespace adjustment {

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
