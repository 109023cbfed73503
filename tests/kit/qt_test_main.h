// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one body of the Qt test programs' main: offscreen unless a platform is named, so the tests
// also run where ctest lists them, the program's font, and a home of their own where asked.

namespace kit {

enum class Home {
    Private,   // a temporary home with no printer: the suite's windows save reports there
    Inherited, // the home the starter gave: a window run started by the print queue tests
};

// Runs the GoogleTest tests of the program inside a QApplication; returns the exit status.
int runQtTests(int argc, char *argv[], Home home);

} // namespace kit
