// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One whole adjustment run: route entry, closure and adjustment, stepwise display, report.
// The window's start button calls performRun with the Qt services; tests call it with the
// scripted platform.

#include "platform.h"

namespace adjustment {

enum class RunEnd {
    Completed, // the report was printed (or saved) and the run is over
    Abandoned, // the user chose to abandon the run at a number prompt; nothing was computed
};

RunEnd performRun(platform::Services &services);

} // namespace adjustment
