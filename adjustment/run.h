// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One whole adjustment run: route entry, closure and adjustment, stepwise display, report.
// A window's start button goes through RunStarter; tests call performRun with the scripted
// platform.

#include "platform.h"
#include "printing.h"

namespace adjustment {

enum class RunEnd {
    Completed, // the report was printed (or saved) and the run is over
    Abandoned, // the user chose to abandon the run at a number prompt; nothing was computed
};

RunEnd performRun(platform::Services &services);

// What a window's start button does, the same in every front end.
class RunStarter
{
public:
    // One complete run through the window's boxes and fields, its report delivered through
    // `output`. A click while a run is under way starts nothing: a printer driver's own dialog
    // may leave the window enabled while the report goes out. A program that ends while the run
    // waits on it drops the run.
    void start(platform::PromptService &prompts, platform::FieldService &fields,
               platform::ReportOutput &output);

private:
    bool m_running = false;
};

} // namespace adjustment
