// SPDX-License-Identifier: GPL-3.0-or-later
// One whole run, and the start button that begins it.

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

void RunStarter::start(platform::PromptService &prompts, platform::FieldService &fields,
                       platform::ReportOutput &output)
{
    if (m_running)
        return;
    m_running = true;
    struct Finished
    {
        bool &running;
        ~Finished() { running = false; }
    } finished{m_running};
    ReportDocument printer(output);
    platform::Services services{prompts, fields, printer};
    try {
        performRun(services);
    } catch (const platform::ProgramEnding &) {
        // The program is ending; the run is dropped and the event loop finishes the quit.
    }
}

} // namespace adjustment
